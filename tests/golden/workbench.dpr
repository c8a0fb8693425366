Program workbench ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    OkButton: HWND;
    CloseButton: HWND;
    NameLabel: HWND;
    CountLabel: HWND;
    DueLabel: HWND;
    NameEdit: HWND;
    CountEdit: HWND;
    HiddenCheck: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if HWND(lParam) = OkButton then MessageBox(hWindow,'OkButtonClick','Check',MB_OK);
      if HWND(lParam) = CloseButton then MessageBox(hWindow,'CloseButtonClick','Check',MB_OK);
      if HWND(lParam) = HiddenCheck then MessageBox(hWindow,'HiddenCheckClick','Check',MB_OK);
      exit;
    end;

    WM_DESTROY: begin
      { Delete Pens and Brushes }
      { Delete Fonts }
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
  SetRect(WinRect, 0, 0, 600, 400);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic workbench',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            140,100,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


  { Create a button ================================================= }
  OkButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
             436,367,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  CloseButton:= CreateWindow('Button','Close',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                517,367,75,25, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  NameLabel:= Createwindow('Static','&Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              18,79,31,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CountLabel:= Createwindow('Static','&Copies:', WS_VISIBLE or WS_CHILD or SS_LEFT,
               18,111,36,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  DueLabel:= Createwindow('Static','&Due:', WS_VISIBLE or WS_CHILD or SS_LEFT,
             18,143,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','on the first sheet', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             78,75,200,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CountEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','3', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
              78,107,49,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  HiddenCheck:= CreateWindow('Button','Show hidden folders',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                278,71,200,17, hWindow, 0, Inst, nil);





  SetFocus(OkButton);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


