Program LoginDialog ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    PaintRect: TRect;
    PaintBrush: HBRUSH;
    OldFont: HFONT;
    UserLabel: HWND;
    PasswordLabel: HWND;
    HelpButton: HWND;
    OKButton: HWND;
    CancelButton: HWND;
    UserEdit: HWND;
    PasswordEdit: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    OldPoint: PPoint;
    OldPen: HPEN;
    Pen1: HPEN;
    Pen2: HPEN;
    hFont1: HFONT;
    hFont2: HFONT;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      { Create Pens }
      Pen1 := CreatePen(PS_INSIDEFRAME,1,RGB(128,128,128));
      Pen2 := CreatePen(PS_INSIDEFRAME,1,RGB(255,255,255));
    end;
    WM_COMMAND: begin
      if HWND(lParam) = HelpButton then MessageBox(hWindow,'HelpButtonClick','Check',MB_OK);
      if HWND(lParam) = OKButton then MessageBox(hWindow,'OKButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBox(hWindow,'CancelButtonClick','Check',MB_OK);
      exit;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint panel: TitlePanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,0,300,41);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_WINDOW));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      RestoreDC(PaintDC,-1);
      { Paint Colors text: TitleLabel }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(0,0,128));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,12,8,Pchar('Who are you?'),12);
      SelectObject(PaintDC,OldFont);
      { Create bevel: ButtonBevel }
      OldPen  := SelectObject(PaintDC,Pen1);
      MoveToEx(PaintDC,8,130,OldPoint);
      LineTo(PaintDC,292,130);
      OldPen  := SelectObject(PaintDC,Pen2);
      MoveToEx(PaintDC,9,131,OldPoint);
      LineTo(PaintDC,293,131);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Pen2);
      { Delete Fonts }
      DeleteObject(hFont1);
      DeleteObject(hFont2);
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
  SetRect(WinRect, 0, 0, 300, 176);
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowEx(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Sign in',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  UserLabel:= Createwindow('Static','User:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              16,59,26,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  PasswordLabel:= Createwindow('Static','Password:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                  16,91,50,13, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  HelpButton:= CreateWindow('Button','&Help',WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
               8,140,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  OKButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
             136,140,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 217,140,75,25, hWindow, IDCANCEL, Inst, nil);

  { Create an edit field ============================================ }
  UserEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             88,56,196,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  PasswordEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
                 88,88,196,21, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-16,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessage(UserLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PasswordLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(HelpButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(OKButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CancelButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(UserEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PasswordEdit,WM_SETFONT,hFont2,0);

  SetFocus(OKButton);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


