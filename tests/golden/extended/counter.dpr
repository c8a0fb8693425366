Program counter ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    CountLabel: HWND;
    TickLabel: HWND;
    CountEdit: HWND;
    PlusButton: HWND;
    EventsReady: Boolean = False;
    MinusButton: HWND;
    ResetButton: HWND;
    LockBox: HWND;
    HistoryList: HWND;
    Clock: UINT = 1;
    CanCloseWindow: Boolean;
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
{$I counter.events.inc}

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if EventsReady and (HWND(lParam) = PlusButton) and (HiWord(wParam) = BN_CLICKED) then PlusButtonClick(PlusButton);
      if EventsReady and (HWND(lParam) = MinusButton) and (HiWord(wParam) = BN_CLICKED) then MinusButtonClick(MinusButton);
      if EventsReady and (HWND(lParam) = ResetButton) and (HiWord(wParam) = BN_CLICKED) then ResetButtonClick(ResetButton);
      if EventsReady and (HWND(lParam) = LockBox) and (HiWord(wParam) = BN_CLICKED) then LockBoxClick(LockBox);
      if EventsReady and (HWND(lParam) = HistoryList) and (HiWord(wParam) = LBN_DBLCLK) then HistoryListDblClick(HistoryList);
      exit;
    end;
    WM_TIMER: begin
      if EventsReady and (UINT(wParam) = Clock) then ClockTimer(hWindow);
    end;
    WM_CLOSE: begin
      CanCloseWindow := True;
      FormCloseQuery(hWindow, CanCloseWindow);
      if not CanCloseWindow then Exit;
      DestroyWindow(hWindow);
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
  SetRect(WinRect, 0, 0, 330, 190);
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowEx(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Counter',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  CountLabel:= Createwindow('Static','Count:', WS_VISIBLE or WS_CHILD or SS_LEFT,
               12,16,33,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  TickLabel:= Createwindow('Static','Running for 0 s', WS_VISIBLE or WS_CHILD or SS_LEFT,
              12,160,150,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CountEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','0', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
              60,12,81,21, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  PlusButton:= CreateWindow('Button','+1',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
               12,48,60,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  MinusButton:= CreateWindow('Button','-1',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                81,48,60,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  ResetButton:= CreateWindow('Button','Reset',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                12,84,129,25, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  LockBox:= CreateWindow('Button','Lock the reset',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
            12,120,129,17, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  HistoryList:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
                160,12,158,161, hWindow, 0, Inst, nil);
  { add items to listbox }


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(CountLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(TickLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CountEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PlusButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(MinusButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ResetButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(LockBox,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(HistoryList,WM_SETFONT,hFont1,0);


  { From here on the handlers of the form's events run }
  SetTimer(hWindow, Clock, 1000, nil);
  EventsReady := True;
  FormCreate(hWindow);
  SetFocus(CountEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


