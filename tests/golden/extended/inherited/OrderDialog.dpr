Program OrderDialog ;

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
    HelpButton: HWND;
    OKButton: HWND;
    CancelButton: HWND;
    NameLabel: HWND;
    StreetLabel: HWND;
    CityLabel: HWND;
    NameEdit: HWND;
    StreetEdit: HWND;
    CityEdit: HWND;
    CountryCombo: HWND;
    NameLabel_1: HWND;
    StreetLabel_1: HWND;
    CityLabel_1: HWND;
    NameEdit_1: HWND;
    StreetEdit_1: HWND;
    CityEdit_1: HWND;
    CountryCombo_1: HWND;
    SameCheck: HWND;
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
      if HWND(lParam) = SameCheck then MessageBox(hWindow,'SameCheckClick','Check',MB_OK);
      exit;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint panel: TitlePanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,0,360,41);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_WINDOW));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      RestoreDC(PaintDC,-1);
      { Paint Colors text: TitleLabel }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(0,0,128));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,12,8,Pchar('Where shall it go?'),18);
      SelectObject(PaintDC,OldFont);
      { Create bevel: ButtonBevel }
      OldPen  := SelectObject(PaintDC,Pen1);
      MoveToEx(PaintDC,8,254,OldPoint);
      LineTo(PaintDC,352,254);
      OldPen  := SelectObject(PaintDC,Pen2);
      MoveToEx(PaintDC,9,255,OldPoint);
      LineTo(PaintDC,353,255);
      { Paint frame: BillingAddress }
      SaveDC(PaintDC);
      SetRect(PaintRect,12,52,348,128);
      RestoreDC(PaintDC,-1);
      { Paint frame: ShippingAddress }
      SaveDC(PaintDC);
      SetRect(PaintRect,12,144,348,220);
      RestoreDC(PaintDC,-1);
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
  SetRect(WinRect, 0, 0, 360, 300);
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowEx(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Delivery',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a button ================================================= }
  HelpButton:= CreateWindow('Button','&Help',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
               8,264,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  OKButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
             196,264,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 277,264,75,25, hWindow, IDCANCEL, Inst, nil);

  { Create a label (static) ========================================= }
  NameLabel:= Createwindow('Static','Bill to:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              20,63,31,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  StreetLabel:= Createwindow('Static','Street:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                20,87,34,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CityLabel:= Createwindow('Static','City:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              20,111,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             76,60,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  StreetEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
               76,84,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CityEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             76,108,160,21, hWindow, 0, Inst, nil);

  { Create a combobox =============================================== }
  CountryCombo:= CreateWindow('combobox','',WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
                 244,108,96,21, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessage(CountryCombo,CB_ADDSTRING , 0 ,LParam(PChar('Austria')) );
  SendMessage(CountryCombo,CB_ADDSTRING , 0 ,LParam(PChar('France')) );
  SendMessage(CountryCombo,CB_ADDSTRING , 0 ,LParam(PChar('Italy')) );
  { select current item }
  SendMessage(CountryCombo,CB_SELECTSTRING,0,LParam(PChar('Austria')) );

  { Create a label (static) ========================================= }
  NameLabel_1:= Createwindow('Static','Ship to:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                20,155,42,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  StreetLabel_1:= Createwindow('Static','Street:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                  20,179,34,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CityLabel_1:= Createwindow('Static','City:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                20,203,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
               76,152,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  StreetEdit_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
                 76,176,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CityEdit_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
               76,200,160,21, hWindow, 0, Inst, nil);

  { Create a combobox =============================================== }
  CountryCombo_1:= CreateWindow('combobox','',WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
                   244,200,96,21, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessage(CountryCombo_1,CB_ADDSTRING , 0 ,LParam(PChar('Austria')) );
  SendMessage(CountryCombo_1,CB_ADDSTRING , 0 ,LParam(PChar('France')) );
  SendMessage(CountryCombo_1,CB_ADDSTRING , 0 ,LParam(PChar('Italy')) );
  { select current item }
  SendMessage(CountryCombo_1,CB_SELECTSTRING,0,LParam(PChar('Austria')) );

  { Create a checkbox =============================================== }
  SameCheck:= CreateWindow('Button','Same as bill',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              244,202,100,17, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-16,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessage(HelpButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(OKButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CancelButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CountryCombo,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameLabel_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetLabel_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityLabel_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameEdit_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetEdit_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityEdit_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CountryCombo_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(SameCheck,WM_SETFONT,hFont2,0);

  SetFocus(HelpButton);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


