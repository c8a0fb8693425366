Program controls ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    Label1: HWND;
    Edit1: HWND;
    Button1: HWND;
    EventsReady: Boolean = False;
    CheckBox1: HWND;
    GroupBox1: HWND;
    RadioButton1: HWND;
    RadioButton2: HWND;
    RadioButton3: HWND;
    ListBox1: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;

{ What the handlers may use besides the Windows API: the mouse buttons,
  numbers as text, and the text, check mark, state and items of a control }
const
  mbLeft = 0;
  mbRight = 1;
  mbMiddle = 2;

function IntToStr(Value: Integer): string;
begin
  Str(Value, Result);
end;

function StrToIntDef(const Text: string; Default: Integer): Integer;
var
  Code: Integer;
begin
  Val(Text, Result, Code);
  if Code <> 0 then Result := Default;
end;

function ControlText(Control: HWND): string;
begin
  SetLength(Result, GetWindowTextLength(Control));
  if Length(Result) > 0 then
    SetLength(Result, GetWindowText(Control, PChar(Result), Length(Result) + 1));
end;

procedure SetControlText(Control: HWND; const Text: string);
begin
  SetWindowText(Control, PChar(Text));
end;

function IsChecked(Control: HWND): Boolean;
begin
  Result := SendMessage(Control, BM_GETCHECK, 0, 0) = BST_CHECKED;
end;

procedure SetChecked(Control: HWND; Checked: Boolean);
begin
  SendMessage(Control, BM_SETCHECK, Ord(Checked), 0);
end;

procedure SetEnabled(Control: HWND; Enabled: Boolean);
begin
  EnableWindow(Control, Enabled);
end;

{ Sends a list box ListMessage, a combo box ComboMessage }
function SendItems(Control: HWND; ListMessage, ComboMessage: UINT; W: WPARAM; L: LPARAM): LRESULT;
var
  Kind: array[0..15] of Char;
begin
  GetClassName(Control, Kind, SizeOf(Kind));
  if lstrcmpi(Kind, 'ComboBox') = 0 then
    Result := SendMessage(Control, ComboMessage, W, L)
  else
    Result := SendMessage(Control, ListMessage, W, L);
end;

procedure AddItem(Control: HWND; const Text: string);
begin
  SendItems(Control, LB_ADDSTRING, CB_ADDSTRING, 0, LPARAM(PChar(Text)));
end;

procedure ClearItems(Control: HWND);
begin
  SendItems(Control, LB_RESETCONTENT, CB_RESETCONTENT, 0, 0);
end;

function ItemCount(Control: HWND): Integer;
begin
  Result := SendItems(Control, LB_GETCOUNT, CB_GETCOUNT, 0, 0);
end;

function ItemIndex(Control: HWND): Integer;
begin
  Result := SendItems(Control, LB_GETCURSEL, CB_GETCURSEL, 0, 0);
end;

procedure SetItemIndex(Control: HWND; Index: Integer);
begin
  SendItems(Control, LB_SETCURSEL, CB_SETCURSEL, WPARAM(Index), 0);
end;

function ItemText(Control: HWND; Index: Integer): string;
begin
  SetLength(Result, SendItems(Control, LB_GETTEXTLEN, CB_GETLBTEXTLEN, WPARAM(Index), 0));
  if Length(Result) > 0 then
    SendItems(Control, LB_GETTEXT, CB_GETLBTEXT, WPARAM(Index), LPARAM(PChar(Result)));
end;

{ The handlers of the form's events: that file is yours, and vornic
  only ever appends the stubs of new handlers to it }
{$I controls.events.inc}

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if EventsReady and (HWND(lParam) = Button1) and (HiWord(wParam) = BN_CLICKED) then Button1Click(Button1);
      exit;
    end;

    WM_DESTROY: begin
      EventsReady := False;
      { Delete Pens and Brushes }
      { Delete Fonts }
      DeleteObject(hFont1);
      PostQuitMessage(0);
      Exit;
    end;
  else
    Result := DefWindowProc(hWindow, Message, wParam, lParam);
  end;
end;

begin
  { Register Custom WndClass }
  Inst := hInstance;
  with WinClass do
  begin
    style              := CS_CLASSDC or CS_PARENTDC;
    lpfnWndProc        := @WindowProc;
    hInstance          := Inst;
    hbrBackground      := color_btnface + 1;
    lpszClassname      := 'MyWindowClass';
    hIcon              := LoadIcon(0, IDI_APPLICATION);
    hCursor            := LoadCursor(0, IDC_ARROW);
  end; { with }

  RegisterClass(WinClass);

  { Create Main Window }
  WinWidth := 433;
  WinHeight := 312;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 245;
  WinTop := 138;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Order form',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,20,31,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Edit1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Your name', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
          72,16,153,21, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  Button1:= CreateWindow('Button','Send order',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
            320,240,89,25, hWindow, IDOK, Inst, nil);

  { Create a checkbox =============================================== }
  CheckBox1:= CreateWindow('Button','Gift wrapping',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              16,56,153,17, hWindow, 0, Inst, nil);
  SendMessage(CheckBox1,BM_SETCHECK,1,0);

  { Create a groupbox =============================================== }
  GroupBox1:= CreateWindow('Button',' Delivery ',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
              16,88,209,105, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton1:= CreateWindow('Button','Standard',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 32,112,113,17, hWindow, 0, Inst, nil);
  SendMessage(RadioButton1,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  RadioButton2:= CreateWindow('Button','Express',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                 32,136,113,17, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton3:= CreateWindow('Button','Pick up',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                 32,160,113,17, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  ListBox1:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
             248,16,161,177, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Apples')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Pears')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Plums')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Cherries')) );


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Edit1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Button1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CheckBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GroupBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(RadioButton1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(RadioButton2,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(RadioButton3,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ListBox1,WM_SETFONT,hFont1,0);


  { From here on the handlers of the form's events run }
  EventsReady := True;
  SetFocus(Edit1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


