Program containers ;

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
    OkButton: HWND;
    CancelButton: HWND;
    KindLabel: HWND;
    FirstRadio: HWND;
    SecondRadio: HWND;
    PageControl1: HWND;
    TabItem: TC_ITEM;
    NameLabel: HWND;
    NameEdit: HWND;
    AutoCheck: HWND;
    PaintStep: Integer;
    OldFont: HFONT;
    PeriodTabs: HWND;
    PageRect: TRect;
    PageRgn: HRGN;
    InsideRgn: HRGN;
    PeriodMemo: HWND;
    NeverButton: HWND;
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
      InitCommonControls;
      { Create Pens }
      Pen1 := CreatePen(PS_INSIDEFRAME,1,RGB(0,0,0));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(255,0,0));
    end;
    WM_COMMAND: begin
      exit;
    end;
    WM_NOTIFY: if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE then begin
      { Another tab was chosen: only the controls of chosen pages show }
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(NameLabel, SW_SHOW) else ShowWindow(NameLabel, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(NameEdit, SW_SHOW) else ShowWindow(NameEdit, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 1) then ShowWindow(AutoCheck, SW_SHOW) else ShowWindow(AutoCheck, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then ShowWindow(PeriodTabs, SW_SHOW) else ShowWindow(PeriodTabs, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then ShowWindow(PeriodMemo, SW_SHOW) else ShowWindow(PeriodMemo, SW_HIDE);
      InvalidateRect(hWindow, nil, True);
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint panel: TopPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,0,560,41);
      PaintBrush := CreateSolidBrush(RGB(255,255,225));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont1);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,0,128));
      DrawText(PaintDC,PChar('Panels, pages and a scroll box'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_CENTER);
      RestoreDC(PaintDC,-1);
      { Paint panel: BottomPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,319,560,360);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_SUNKENOUTER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawText(PaintDC,PChar('  The buttons stay on the panel'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_LEFT);
      RestoreDC(PaintDC,-1);
      { Paint panel: LeftPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,41,150,319);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      InflateRect(PaintRect,-4,-4);
      RestoreDC(PaintDC,-1);
      { Paint scroll box: ScrollBox1 }
      SaveDC(PaintDC);
      SetRect(PaintRect,4,45,146,315);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,EDGE_SUNKEN,BF_RECT or BF_ADJUST);
      RestoreDC(PaintDC,-1);
      { Page EditSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then IntersectClipRect(PaintDC,154,65,556,315) else IntersectClipRect(PaintDC,0,0,0,0);
      { Create shape: Marker }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Ellipse(PaintDC,218,109,259,150);
      RestoreDC(PaintDC, -1);
      { Page OptionsSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 1) then IntersectClipRect(PaintDC,154,65,556,315) else IntersectClipRect(PaintDC,0,0,0,0);
      { Paint panel: BevelPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,162,101,402,221);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_WINDOW));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      for PaintStep := 1 to 2 do DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);
      InflateRect(PaintRect,-2,-2);
      for PaintStep := 1 to 2 do DrawEdge(PaintDC,PaintRect,BDR_SUNKENOUTER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawText(PaintDC,PChar('Raised outside, lowered inside'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_CENTER);
      RestoreDC(PaintDC,-1);
      { Paint Colors text: NoteLabel }
      OldFont := SelectObject(PaintDC,hFont2);
      SetTextColor(PaintDC,RGB(128,0,0));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,174,113,Pchar('A painted label'),15);
      SelectObject(PaintDC,OldFont);
      RestoreDC(PaintDC, -1);
      { Page PeriodSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then IntersectClipRect(PaintDC,154,65,556,315) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page HiddenSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if False then IntersectClipRect(PaintDC,154,65,556,315) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
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
  SetRect(WinRect, 0, 0, 560, 360);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 120;
  WinTop := 90;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic containers',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a button ================================================= }
  OkButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
             396,327,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 477,327,75,25, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  KindLabel:= Createwindow('Static','Kind:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              14,55,30,13, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  FirstRadio:= CreateWindow('Button','Small',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
               14,75,113,17, hWindow, 0, Inst, nil);
  SendMessage(FirstRadio,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  SecondRadio:= CreateWindow('Button','Large',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                14,99,113,17, hWindow, 0, Inst, nil);

  { Create a tab control ============================================ }
  PageControl1:= CreateWindow('SysTabControl32','',WS_VISIBLE or WS_CHILD or WS_TABSTOP,
                 150,41,410,278, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Edits');
  TabCtrl_InsertItem(PageControl1, 0, TabItem);

  { Create a label (static) ========================================= }
  NameLabel:= Createwindow('Static','Name:', WS_CHILD or SS_LEFT,
              162,77,31,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','on the first page', WS_CHILD or WS_BORDER or WS_TABSTOP,
             218,73,200,21, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Options');
  TabCtrl_InsertItem(PageControl1, 1, TabItem);

  { Create a checkbox =============================================== }
  AutoCheck:= CreateWindow('Button','on the second page',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              162,73,200,17, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Period');
  TabCtrl_InsertItem(PageControl1, 2, TabItem);

  { Create a tab control ============================================ }
  PeriodTabs:= CreateWindow('SysTabControl32','',WS_CHILD or WS_TABSTOP,
               162,73,385,200, hWindow, 0, Inst, nil);
  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Day');
  TabCtrl_InsertItem(PeriodTabs, 0, TabItem);
  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Week');
  TabCtrl_InsertItem(PeriodTabs, 1, TabItem);
  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Month');
  TabCtrl_InsertItem(PeriodTabs, 2, TabItem);

  { Create a memo =================================================== }
  PeriodMemo:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_BORDER or
               ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL or WS_TABSTOP,
               174,105,361,156, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessage(PeriodMemo,WM_SETTEXT, 0, lParam(pChar('on the third page, inside a tab control')));

  { Create a button ================================================= }
  NeverButton:= CreateWindow('Button','on a hidden page',WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                162,73,120,25, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-13,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');
  hFont2 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessage(OkButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CancelButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(KindLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(FirstRadio,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(SecondRadio,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PageControl1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(AutoCheck,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PeriodTabs,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(PeriodMemo,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NeverButton,WM_SETFONT,hFont2,0);


  TabCtrl_SetCurSel(PeriodTabs, 1);
  { The main window paints the inside of the pages of PeriodTabs }
  SetRect(PageRect, 0, 0, 385, 200);
  TabCtrl_AdjustRect(PeriodTabs, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 385, 200);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(PeriodTabs, PageRgn, False);
  TabCtrl_SetCurSel(PageControl1, 1);
  { The main window paints the inside of the pages of PageControl1 }
  SetRect(PageRect, 0, 0, 410, 278);
  TabCtrl_AdjustRect(PageControl1, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 410, 278);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(PageControl1, PageRgn, False);
  SetFocus(FirstRadio);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


