Program controls ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
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
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if HWND(lParam) = Button1 then MessageBoxW(hWindow,'Button1Click','Check',MB_OK);
      if HWND(lParam) = CheckBox1 then MessageBoxW(hWindow,'CheckBox1Click','Check',MB_OK);
      exit;
    end;

    WM_DESTROY: begin
      { Delete Pens and Brushes }
      { Delete Fonts }
      DeleteObject(hFont1);
      PostQuitMessage(0);
      Exit;
    end;
  else
    Result := DefWindowProcW(hWindow, Message, wParam, lParam);
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

  RegisterClassW(WinClass);

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
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','Order form',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= CreateWindowExW(0, 'Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,20,31,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Edit1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','Your name', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
          72,16,153,21, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  Button1:= CreateWindowExW(0, 'Button','Send order',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
            320,240,89,25, hWindow, IDOK, Inst, nil);

  { Create a checkbox =============================================== }
  CheckBox1:= CreateWindowExW(0, 'Button','Gift wrapping',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              16,56,153,17, hWindow, 0, Inst, nil);
  SendMessageW(CheckBox1,BM_SETCHECK,1,0);

  { Create a groupbox =============================================== }
  GroupBox1:= CreateWindowExW(0, 'Button',' Delivery ',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
              16,88,209,105, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton1:= CreateWindowExW(0, 'Button','Standard',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 32,112,113,17, hWindow, 0, Inst, nil);
  SendMessageW(RadioButton1,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  RadioButton2:= CreateWindowExW(0, 'Button','Express',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                 32,136,113,17, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton3:= CreateWindowExW(0, 'Button','Pick up',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                 32,160,113,17, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  ListBox1:= CreateWindowExW(0, 'listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
             248,16,161,177, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessageW(ListBox1,LB_ADDSTRING , 0 ,LParam(PWideChar('Apples')) );
  SendMessageW(ListBox1,LB_ADDSTRING , 0 ,LParam(PWideChar('Pears')) );
  SendMessageW(ListBox1,LB_ADDSTRING , 0 ,LParam(PWideChar('Plums')) );
  SendMessageW(ListBox1,LB_ADDSTRING , 0 ,LParam(PWideChar('Cherries')) );


  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Edit1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Button1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CheckBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GroupBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(RadioButton1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(RadioButton2,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(RadioButton3,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(ListBox1,WM_SETFONT,hFont1,0);

  SetFocus(Edit1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


