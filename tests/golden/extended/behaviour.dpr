Program behaviour ;

Uses Windows, Messages, CommCtrl;
{$R *.RES}

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    PaintRect: TRect;
    OldFont: HFONT;
    TextRect: TRect;
    Key: HWND;
    hKey: HBITMAP;
    UserLabel: HWND;
    UserEdit: HWND;
    PasswordLabel: HWND;
    PasswordEdit: HWND;
    PinLabel: HWND;
    PinEdit: HWND;
    ServerLabel: HWND;
    ColorBrush1: HBRUSH;
    ServerEdit: HWND;
    PaintBrush: HBRUSH;
    Pages: HWND;
    PagesShift: TPoint;
    TabItem: TC_ITEM;
    RememberCheck: HWND;
    NotesMemo: HWND;
    ProxyList: HWND;
    PageRect: TRect;
    PageRgn: HRGN;
    InsideRgn: HRGN;
    SignInButton: HWND;
    CancelButton: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    OldPen: HPEN;
    Pen1: HPEN;
    OldBrush: HBRUSH;
    Brush1: HBRUSH;
    hFont1: HFONT;
    hFont2: HFONT;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      { Load Image }
      hKey := LoadBitmap(Inst,PChar('BMP_Key'));
      ColorBrush1 := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      InitCommonControls;
      { Create Pens }
      Pen1 := CreatePen(PS_NULL,1,RGB(0,0,0));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(0,128,128));
    end;
    WM_COMMAND: begin
      if HWND(lParam) = RememberCheck then MessageBox(hWindow,'RememberCheckClick','Check',MB_OK);
      if HWND(lParam) = SignInButton then MessageBox(hWindow,'SignInButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBox(hWindow,'CancelButtonClick','Check',MB_OK);
      exit;
    end;
    WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN: begin
      if HWND(lParam) = ServerEdit then begin
        SetTextColor(HDC(wParam),GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(HDC(wParam),GetSysColor(COLOR_BTNFACE));
        Result := Integer(ColorBrush1);
        Exit;
      end;
      Result := DefWindowProc(hWindow, Message, wParam, lParam);
    end;
    WM_NOTIFY: if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE then begin
      { Another tab was chosen: only the controls of chosen pages show }
      if (TabCtrl_GetCurSel(Pages) = 0) then ShowWindow(RememberCheck, SW_SHOW) else ShowWindow(RememberCheck, SW_HIDE);
      if (TabCtrl_GetCurSel(Pages) = 1) then ShowWindow(NotesMemo, SW_SHOW) else ShowWindow(NotesMemo, SW_HIDE);
      if (TabCtrl_GetCurSel(Pages) = 2) then ShowWindow(ProxyList, SW_SHOW) else ShowWindow(ProxyList, SW_HIDE);
      InvalidateRect(hWindow, nil, True);
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Create shape: Banner }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Rectangle(PaintDC,0,0,400,48);
      { Paint label: TitleShadow }
      SetRect(PaintRect,2,2,402,50);
      OldFont := SelectObject(PaintDC,hFont1);
      TextRect := PaintRect;
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,TextRect,DT_EXPANDTABS or DT_CENTER or DT_CALCRECT);
      OffsetRect(PaintRect,0,(PaintRect.Bottom - TextRect.Bottom) div 2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,0,0));
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,PaintRect,DT_EXPANDTABS or DT_CENTER);
      SelectObject(PaintDC,OldFont);
      { Paint label: Title }
      SetRect(PaintRect,0,0,400,48);
      OldFont := SelectObject(PaintDC,hFont1);
      TextRect := PaintRect;
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,TextRect,DT_EXPANDTABS or DT_CENTER or DT_CALCRECT);
      OffsetRect(PaintRect,0,(PaintRect.Bottom - TextRect.Bottom) div 2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(255,255,255));
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,PaintRect,DT_EXPANDTABS or DT_CENTER);
      SelectObject(PaintDC,OldFont);
      { Paint panel: HintPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,304,56,388,137);
      PaintBrush := CreateSolidBrush(RGB(255,255,224));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      RestoreDC(PaintDC,-1);
      { Paint label: HintLabel }
      SetRect(PaintRect,308,60,384,133);
      OldFont := SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,64,128));
      DrawTextW(PaintDC,PWideChar(WideString('The PIN takes digits only; the user name is kept in lower case.')),-1,PaintRect,DT_EXPANDTABS or DT_LEFT or DT_WORDBREAK);
      SelectObject(PaintDC,OldFont);
      { Page AccountSheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      OffsetViewportOrgEx(PaintDC, PagesShift.X, PagesShift.Y, nil);
      if (TabCtrl_GetCurSel(Pages) = 0) then IntersectClipRect(PaintDC,16,200,384,300) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page NotesSheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      OffsetViewportOrgEx(PaintDC, PagesShift.X, PagesShift.Y, nil);
      if (TabCtrl_GetCurSel(Pages) = 1) then IntersectClipRect(PaintDC,16,200,384,300) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page ProxySheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      OffsetViewportOrgEx(PaintDC, PagesShift.X, PagesShift.Y, nil);
      if (TabCtrl_GetCurSel(Pages) = 2) then IntersectClipRect(PaintDC,16,200,384,300) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page HistorySheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      OffsetViewportOrgEx(PaintDC, PagesShift.X, PagesShift.Y, nil);
      if (TabCtrl_GetCurSel(Pages) = 3) then IntersectClipRect(PaintDC,16,200,384,300) else IntersectClipRect(PaintDC,0,0,0,0);
      { Paint label: HistoryLabel }
      SetRect(PaintRect,20,236,380,256);
      FillRect(PaintDC,PaintRect,ColorBrush1);
      OldFont := SelectObject(PaintDC,hFont2);
      TextRect := PaintRect;
      DrawTextW(PaintDC,PWideChar(WideString('No sign-in recorded yet')),-1,TextRect,DT_EXPANDTABS or DT_CENTER or DT_CALCRECT);
      OffsetRect(PaintRect,0,PaintRect.Bottom - TextRect.Bottom);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawTextW(PaintDC,PWideChar(WideString('No sign-in recorded yet')),-1,PaintRect,DT_EXPANDTABS or DT_CENTER);
      SelectObject(PaintDC,OldFont);
      RestoreDC(PaintDC, -1);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      DeleteObject(hKey);
      DeleteObject(ColorBrush1);
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Brush1);
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
  SetRect(WinRect, 0, 0, 400, 346);
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowEx(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Sign in',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a static image =========================================== }
  Key:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
        12,60,24,24, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessage(Key,STM_SETIMAGE,IMAGE_BITMAP,LParam(hKey));

  { Create a label (static) ========================================= }
  UserLabel:= Createwindow('Static','User name:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
              48,64,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  UserEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','ada', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_LOWERCASE,
             136,60,160,21, hWindow, 0, Inst, nil);
  SendMessageW(UserEdit, EM_LIMITTEXT, 20, 0);

  { Create a label (static) ========================================= }
  PasswordLabel:= Createwindow('Static','Password:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
                  48,92,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  PasswordEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','secret', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_PASSWORD,
                 136,88,160,21, hWindow, 0, Inst, nil);
  SendMessageW(PasswordEdit, EM_SETPASSWORDCHAR, 42, 0);

  { Create a label (static) ========================================= }
  PinLabel:= Createwindow('Static','PIN:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
             48,120,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  PinEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','1234', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_RIGHT or ES_NUMBER,
            136,116,64,21, hWindow, 0, Inst, nil);
  SendMessageW(PinEdit, EM_LIMITTEXT, 6, 0);

  { Create a label (static) ========================================= }
  ServerLabel:= Createwindow('Static','Server:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
                48,148,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  ServerEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','sign-in.example.org (fixed)', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_READONLY,
               136,144,252,21, hWindow, 0, Inst, nil);

  { Create a tab control ============================================ }
  Pages:= CreateWindow('SysTabControl32','',WS_VISIBLE or WS_CHILD or WS_TABSTOP or TCS_MULTILINE,
          12,176,376,128, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Account settings');
  TabCtrl_InsertItem(Pages, 0, TabItem);

  { Create a checkbox =============================================== }
  RememberCheck:= CreateWindow('Button','Remember me on this computer',WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                  24,208,200,17, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Notes for the administrator');
  TabCtrl_InsertItem(Pages, 1, TabItem);

  { Create a memo =================================================== }
  NotesMemo:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or
              ES_MULTILINE or ES_AUTOVSCROLL or ES_WANTRETURN or ES_AUTOHSCROLL or WS_HSCROLL or WS_VSCROLL or WS_TABSTOP,
              20,204,360,50, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessage(NotesMemo,WM_SETTEXT, 0, lParam(pChar('Without word wrap a long line runs on past the right edge of'+#13#10+'the memo, and its scroll bars show it.')));

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Proxy server');
  TabCtrl_InsertItem(Pages, 2, TabItem);

  { Create a listbox ================================================ }
  ProxyList:= CreateWindowEx(0, 'listbox', 'listbox' ,WS_CHILD or LBS_NOTIFY or WS_VSCROLL or WS_BORDER or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
              20,204,180,50, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ProxyList,LB_ADDSTRING , 0 ,LParam(PChar('direct')) );
  SendMessage(ProxyList,LB_ADDSTRING , 0 ,LParam(PChar('system proxy')) );

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Sign-in history');
  TabCtrl_InsertItem(Pages, 3, TabItem);

  { Create a button ================================================= }
  SignInButton:= CreateWindow('Button','Sign in',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
                 232,312,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 313,312,75,25, hWindow, IDCANCEL, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-19,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessage(Key,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(UserLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(UserEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PasswordLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PasswordEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PinLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PinEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(ServerLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(ServerEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(Pages,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(RememberCheck,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NotesMemo,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(ProxyList,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(SignInButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CancelButton,WM_SETFONT,hFont2,0);


  TabCtrl_SetCurSel(Pages, 1);
  { The main window paints the inside of the pages of Pages }
  SetRect(PageRect, 0, 0, 376, 128);
  TabCtrl_AdjustRect(Pages, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 376, 128);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(Pages, PageRgn, False);
  { What the pages of Pages hold starts below every row of tabs }
  if TabCtrl_GetRowCount(Pages) > 1 then begin
    PagesShift.Y := PageRect.Top - 24;
    SetWindowPos(RememberCheck, 0, 24 + PagesShift.X, 208 + PagesShift.Y, 0, 0, SWP_NOSIZE or SWP_NOZORDER or SWP_NOACTIVATE);
    SetWindowPos(NotesMemo, 0, 20 + PagesShift.X, 204 + PagesShift.Y, 0, 0, SWP_NOSIZE or SWP_NOZORDER or SWP_NOACTIVATE);
    SetWindowPos(ProxyList, 0, 20 + PagesShift.X, 204 + PagesShift.Y, 0, 0, SWP_NOSIZE or SWP_NOZORDER or SWP_NOACTIVATE);
  end;
  SetFocus(UserEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


