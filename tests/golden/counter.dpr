Program counter ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    CountLabel: HWND;
    TickLabel: HWND;
    CountEdit: HWND;
    PlusButton: HWND;
    MinusButton: HWND;
    ResetButton: HWND;
    LockBox: HWND;
    HistoryList: HWND;
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
      if HWND(lParam) = PlusButton then MessageBox(hWindow,'PlusButtonClick','Check',MB_OK);
      if HWND(lParam) = MinusButton then MessageBox(hWindow,'MinusButtonClick','Check',MB_OK);
      if HWND(lParam) = ResetButton then MessageBox(hWindow,'ResetButtonClick','Check',MB_OK);
      if HWND(lParam) = LockBox then MessageBox(hWindow,'LockBoxClick','Check',MB_OK);
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
  SetRect(WinRect, 0, 0, 330, 190);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Counter',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            300,200,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


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
  PlusButton:= CreateWindow('Button','+1',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
               12,48,60,25, hWindow, 0, Inst, nil);

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
  HistoryList:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP,
                160,12,158,161, hWindow, 0, Inst, nil);
  { add items to listbox }





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


