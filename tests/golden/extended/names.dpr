Program names ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    begin_1: HWND;
    Inst_1: HWND;
    Msg: HWND;
    WS_CHILD_1: HWND;
    CreateWindow_1: HWND;
    Pen1_1: HWND;
    Label1: HWND;
    Label1_1: HWND;
    Borsenindex: HWND;
    ButtonDinamico: HWND;
    Button1: HWND;
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
      if HWND(lParam) = begin_1 then MessageBoxW(hWindow,'begin_1Click','Check',MB_OK);
      if HWND(lParam) = Msg then MessageBoxW(hWindow,'MsgClick','Check',MB_OK);
      if HWND(lParam) = WS_CHILD_1 then MessageBoxW(hWindow,'WS_CHILD_1Click','Check',MB_OK);
      if HWND(lParam) = Pen1_1 then MessageBoxW(hWindow,'Pen1_1Click','Check',MB_OK);
      if HWND(lParam) = ButtonDinamico then MessageBoxW(hWindow,'ButtonDinamicoClick','Check',MB_OK);
      if HWND(lParam) = Button1 then MessageBoxW(hWindow,'Button1Click','Check',MB_OK);
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
  SetRect(WinRect, 0, 0, 392, 225);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  WinLeft := CW_USEDEFAULT;
  WinTop := CW_USEDEFAULT;
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','Names the program itself uses',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a button ================================================= }
  begin_1:= CreateWindowExW(0, 'Button','begin',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
            8,8,89,25, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Inst_1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','Inst', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
           104,10,121,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  Msg:= CreateWindowExW(0, 'Button','Msg',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
        240,12,97,17, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  WS_CHILD_1:= CreateWindowExW(0, 'Button','WS_CHILD',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
               8,40,89,25, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CreateWindow_1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','CreateWindow', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
                   104,42,121,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  Pen1_1:= CreateWindowExW(0, 'Button','Pen1',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
           240,44,97,17, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  Label1:= CreateWindowExW(0, 'Static','Label1 of Frame1', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,84,89,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  Label1_1:= CreateWindowExW(0, 'Static','Label1 of Frame2', WS_VISIBLE or WS_CHILD or SS_LEFT,
             208,84,89,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  Borsenindex:= CreateWindowExW(0, 'Static','Stock index', WS_VISIBLE or WS_CHILD or SS_LEFT,
                8,156,89,13, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  ButtonDinamico:= CreateWindowExW(0, 'Button','Dynamic',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                   104,152,121,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  Button1:= CreateWindowExW(0, 'Button','Button1',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
            8,188,89,25, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(begin_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Inst_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Msg,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(WS_CHILD_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CreateWindow_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Pen1_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Label1_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Borsenindex,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(ButtonDinamico,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Button1,WM_SETFONT,hFont1,0);

  SetFocus(begin_1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


