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
    CheckBox1: HWND;
    GroupBox1: HWND;
    RadioButton1: HWND;
    RadioButton2: HWND;
    RadioButton3: HWND;
    ListBox1: HWND;
    HintWindow: HWND;
    MousePoint: TPoint;
    MouseRect: TRect;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;

{ Gives a window, or a rectangle of the main window, a tooltip }
procedure AddHint(Tip, Owner, Window: HWND; Id, Left, Top, Right, Bottom: Integer;
  Text: PWideChar);
var
  Tool: TTTOOLINFOW;
begin
  FillChar(Tool, SizeOf(Tool), 0);
  { The size that every version of the common controls accepts }
  Tool.cbSize := SizeOf(Tool) - SizeOf(Pointer);
  Tool.uFlags := TTF_SUBCLASS;
  Tool.hwnd := Owner;
  Tool.uId := UINT_PTR(Id);
  if Window <> 0 then begin
    Tool.uFlags := TTF_SUBCLASS or TTF_IDISHWND;
    Tool.uId := UINT_PTR(Window);
  end;
  SetRect(Tool.rect, Left, Top, Right, Bottom);
  Tool.lpszText := Text;
  SendMessageW(Tip, TTM_ADDTOOLW, 0, LPARAM(@Tool));
end;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      InitCommonControls;
    end;
    WM_COMMAND: begin
      if HWND(lParam) = Button1 then MessageBox(hWindow,'Button1Click','Check',MB_OK);
      if HWND(lParam) = CheckBox1 then MessageBox(hWindow,'CheckBox1Click','Check',MB_OK);
      exit;
    end;
    WM_SETCURSOR: begin
      if LoWord(lParam) = HTCLIENT then begin
        if HWND(wParam) = Button1 then begin SetCursor(LoadCursor(0, IDC_HAND)); Result := 1; Exit; end;
        if HWND(wParam) = hWindow then begin
          GetCursorPos(MousePoint);
          ScreenToClient(hWindow, MousePoint);
          SetRect(MouseRect, 16, 20, 47, 33);
          if PtInRect(MouseRect, MousePoint) then begin SetCursor(LoadCursor(0, IDC_HELP)); Result := 1; Exit; end;
        end;
      end;
      Result := DefWindowProc(hWindow, Message, wParam, lParam);
    end;

    WM_DESTROY: begin
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
  Label1:= Createwindow('Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
           16,20,31,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Edit1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Your name', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
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
  ListBox1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_NOTIFY or WS_VSCROLL or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
             248,16,161,177, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Apples')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Pears')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Plums')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Cherries')) );


  { Tab order as the form gives it }
  SetWindowPos(Edit1, Label1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(CheckBox1, Edit1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(RadioButton1, CheckBox1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(ListBox1, RadioButton1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(Button1, ListBox1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);


  { Tooltips of the controls whose hints show }
  HintWindow := CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nil,
    WS_POPUP or TTS_ALWAYSTIP or TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
    CW_USEDEFAULT, CW_USEDEFAULT, hWindow, 0, Inst, nil);
  SendMessageW(HintWindow, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
  AddHint(HintWindow, hWindow, 0, 1, 16, 20, 47, 33, 'Who receives the parcel');
  AddHint(HintWindow, hWindow, Edit1, 0, 0, 0, 0, 0, 'Your full name');
  AddHint(HintWindow, hWindow, Button1, 0, 0, 0, 0, 0, 'Sends the order'#13#10'and closes the form');


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


