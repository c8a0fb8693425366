Program names ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
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
  SetRect(WinRect, 0, 0, 392, 225);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  WinLeft := CW_USEDEFAULT;
  WinTop := CW_USEDEFAULT;
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Names the program itself uses',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a button ================================================= }
  begin_1:= CreateWindow('Button','begin',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
            8,8,89,25, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Inst_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Inst', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
           104,10,121,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  Msg:= CreateWindow('Button','Msg',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
        240,12,97,17, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  WS_CHILD_1:= CreateWindow('Button','WS_CHILD',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
               8,40,89,25, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CreateWindow_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','CreateWindow', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
                   104,42,121,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  Pen1_1:= CreateWindow('Button','Pen1',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
           240,44,97,17, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','Label1 of Frame1', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,84,89,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  Label1_1:= Createwindow('Static','Label1 of Frame2', WS_VISIBLE or WS_CHILD or SS_LEFT,
             208,84,89,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  Borsenindex:= Createwindow('Static','Stock index', WS_VISIBLE or WS_CHILD or SS_LEFT,
                8,156,89,13, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  ButtonDinamico:= CreateWindow('Button','Dynamic',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                   104,152,121,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  Button1:= CreateWindow('Button','Button1',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
            8,188,89,25, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(begin_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Inst_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Msg,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(WS_CHILD_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CreateWindow_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Pen1_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Label1_1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Borsenindex,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ButtonDinamico,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Button1,WM_SETFONT,hFont1,0);

  SetFocus(begin_1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


