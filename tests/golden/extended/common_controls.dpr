Program common_controls ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    ToolBarButton: TTBButton;
    ToolBar1: HWND;
    OrientationGroup: HWND;
    PagesGroup: HWND;
    CopiesUpDown: HWND;
    CopiesEdit: HWND;
    lblCopiesEdit: HWND;
    PrinterEdit: HWND;
    lblPrinterEdit: HWND;
    SpinRect: TRect;
    UpDownAccel: TUDAccel;
    MarginEdit: HWND;
    ScrollInfo: TScrollInfo;
    ZoomBar: HWND;
    PrintKey: HWND;
    SpeedSibling: HWND;
    SpeedDown: Integer;
    LeftButton: HWND;
    CenterButton: HWND;
    RightButton: HWND;
    HelpButton: HWND;
    PrintButton: HWND;
    CancelButton: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    OldPen: HPEN;
    Pen1: HPEN;
    OldBrush: HBRUSH;
    Brush1: HBRUSH;
    hFont1: HFONT;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      InitCommonControls;
      { Create Pens }
      Pen1 := CreatePen(PS_SOLID,1,GetSysColor(COLOR_BTNSHADOW));
      { Create Brushes }
      Brush1 := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    end;
    WM_COMMAND: begin
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 1) then MessageBoxW(hWindow,'NewButtonClick','Check',MB_OK);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 2) then MessageBoxW(hWindow,'OpenButtonClick','Check',MB_OK);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 4) then MessageBoxW(hWindow,'PreviewButtonClick','Check',MB_OK);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 5) then MessageBoxW(hWindow,'SendButtonClick','Check',MB_OK);
      if HWND(lParam) = LeftButton then begin
        SpeedDown := 1;
        SpeedSibling := GetWindow(LeftButton,GW_HWNDFIRST);
        while SpeedSibling <> 0 do begin
          if GetProp(SpeedSibling,'SpeedGroup') = 1 then SendMessageW(SpeedSibling,BM_SETCHECK,0,0);
          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);
        end;
        SendMessageW(LeftButton,BM_SETCHECK,SpeedDown,0);
      end;
      if HWND(lParam) = LeftButton then MessageBoxW(hWindow,'LeftButtonClick','Check',MB_OK);
      if HWND(lParam) = CenterButton then begin
        SpeedDown := 1;
        SpeedSibling := GetWindow(CenterButton,GW_HWNDFIRST);
        while SpeedSibling <> 0 do begin
          if GetProp(SpeedSibling,'SpeedGroup') = 1 then SendMessageW(SpeedSibling,BM_SETCHECK,0,0);
          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);
        end;
        SendMessageW(CenterButton,BM_SETCHECK,SpeedDown,0);
      end;
      if HWND(lParam) = CenterButton then MessageBoxW(hWindow,'CenterButtonClick','Check',MB_OK);
      if HWND(lParam) = RightButton then begin
        SpeedDown := 1;
        SpeedSibling := GetWindow(RightButton,GW_HWNDFIRST);
        while SpeedSibling <> 0 do begin
          if GetProp(SpeedSibling,'SpeedGroup') = 1 then SendMessageW(SpeedSibling,BM_SETCHECK,0,0);
          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);
        end;
        SendMessageW(RightButton,BM_SETCHECK,SpeedDown,0);
      end;
      if HWND(lParam) = RightButton then MessageBoxW(hWindow,'RightButtonClick','Check',MB_OK);
      if HWND(lParam) = HelpButton then MessageBoxW(hWindow,'HelpButtonClick','Check',MB_OK);
      if HWND(lParam) = PrintButton then MessageBoxW(hWindow,'PrintButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBoxW(hWindow,'CancelButtonClick','Check',MB_OK);
      exit;
    end;
    WM_HSCROLL, WM_VSCROLL: begin
      { The thumb of a scroll bar follows the user }
      if GetProp(HWND(lParam),'ScrollPage') <> 0 then begin
        ScrollInfo.cbSize := SizeOf(ScrollInfo);
        ScrollInfo.fMask := SIF_ALL;
        GetScrollInfo(HWND(lParam),SB_CTL,ScrollInfo);
        case LoWord(wParam) of
          SB_LINELEFT: Dec(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollLine')));
          SB_LINERIGHT: Inc(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollLine')));
          SB_PAGELEFT: Dec(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollPage')));
          SB_PAGERIGHT: Inc(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollPage')));
          SB_THUMBTRACK, SB_THUMBPOSITION: ScrollInfo.nPos := ScrollInfo.nTrackPos;
          SB_LEFT: ScrollInfo.nPos := ScrollInfo.nMin;
          SB_RIGHT: ScrollInfo.nPos := ScrollInfo.nMax;
        end;
        ScrollInfo.fMask := SIF_POS;
        SetScrollInfo(HWND(lParam),SB_CTL,ScrollInfo,True);
      end;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint splitter: Splitter1 }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Rectangle(PaintDC,0,196,472,200);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      RemoveProp(ZoomBar,'ScrollLine');
      RemoveProp(ZoomBar,'ScrollPage');
      RemoveProp(LeftButton,'SpeedGroup');
      RemoveProp(CenterButton,'SpeedGroup');
      RemoveProp(RightButton,'SpeedGroup');
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Brush1);
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
  WinWidth := 480;
  WinHeight := 360;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 220;
  WinTop := 120;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','Print settings',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a tool bar =============================================== }
  ToolBar1:= CreateWindowExW(0, 'ToolbarWindow32','', WS_VISIBLE or WS_CHILD or WS_CLIPSIBLINGS or CCS_NORESIZE or CCS_NOPARENTALIGN or CCS_NODIVIDER or TBSTYLE_FLAT or TBSTYLE_LIST or TBSTYLE_WRAPABLE,
             0,0,472,24, hWindow, 0, Inst, nil);
  SendMessageW(ToolBar1,TB_BUTTONSTRUCTSIZE,SizeOf(TTBButton),0);
  SendMessageW(ToolBar1,TB_SETBUTTONSIZE,0,MakeLong(52,22));

  { Add the buttons of ToolBar1 }
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 1;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PWideChar('New'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 2;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PWideChar('Open'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 8;
  ToolBarButton.idCommand := 3;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_SEP;
  ToolBarButton.iString := 0;
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 4;
  ToolBarButton.fsState := TBSTATE_ENABLED or TBSTATE_CHECKED;
  ToolBarButton.fsStyle := BTNS_CHECK;
  ToolBarButton.iString := INT_PTR(PWideChar('Preview'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 5;
  ToolBarButton.fsState := 0;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PWideChar('Send'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));

  { Create a radio group ============================================ }
  OrientationGroup:= CreateWindowExW(WS_EX_CONTROLPARENT, 'Button','Orientation', WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
                     8,32,185,81, hWindow, 0, Inst, nil);
  CreateWindowExW(0, 'Button','Portrait', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_GROUP,
    8,14,175,21, OrientationGroup, 1, Inst, nil);
  CreateWindowExW(0, 'Button','Landscape', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
    8,35,175,21, OrientationGroup, 2, Inst, nil);
  CreateWindowExW(0, 'Button','Automatic', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,56,175,21, OrientationGroup, 3, Inst, nil);
  SendMessageW(GetDlgItem(OrientationGroup,2),BM_SETCHECK,1,0);

  { Create a radio group ============================================ }
  PagesGroup:= CreateWindowExW(WS_EX_CONTROLPARENT, 'Button','Pages', WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
               8,120,185,65, hWindow, 0, Inst, nil);
  CreateWindowExW(0, 'Button','All', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_GROUP or WS_TABSTOP,
    8,14,87,23, PagesGroup, 1, Inst, nil);
  CreateWindowExW(0, 'Button','Odd', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,37,87,23, PagesGroup, 2, Inst, nil);
  CreateWindowExW(0, 'Button','Even', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    95,14,87,23, PagesGroup, 3, Inst, nil);
  CreateWindowExW(0, 'Button','Range', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    95,37,87,23, PagesGroup, 4, Inst, nil);
  SendMessageW(GetDlgItem(PagesGroup,1),BM_SETCHECK,1,0);

  { Create an up-down =============================================== }
  CopiesUpDown:= CreateWindowExW(0, 'msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT or UDS_ARROWKEYS,
                 425,48,16,21, hWindow, 0, Inst, nil);
  SetWindowPos(CopiesUpDown,0,0,0,16,21,SWP_NOMOVE or SWP_NOZORDER);
  InvalidateRect(CopiesUpDown,nil,True);
  SendMessageW(CopiesUpDown,UDM_SETRANGE32,1,99);
  SendMessageW(CopiesUpDown,UDM_SETPOS32,0,2);

  { Create a labeled edit =========================================== }
  CopiesEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','2', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
               376,48,49,21, hWindow, 0, Inst, nil);
  lblCopiesEdit:= CreateWindowExW(0, 'Static','Copies:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                  337,52,36,13, hWindow, 0, Inst, nil);

  { Create a labeled edit =========================================== }
  PrinterEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','Office laser', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
                208,88,233,21, hWindow, 0, Inst, nil);
  lblPrinterEdit:= CreateWindowExW(0, 'Static','Printer:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                   208,72,36,13, hWindow, 0, Inst, nil);

  { Create a spin edit ============================================== }
  MarginEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','10', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP or WS_CLIPCHILDREN,
               208,136,65,22, hWindow, 0, Inst, nil);
  SendMessageW(MarginEdit,EM_SETMARGINS,EC_RIGHTMARGIN,MakeLong(0,15));
  GetClientRect(MarginEdit,SpinRect);
  CreateWindowExW(0, 'msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT or UDS_ARROWKEYS or UDS_NOTHOUSANDS,
    SpinRect.Right - 15,0,15,SpinRect.Bottom, MarginEdit, 0, Inst, nil);
  SendMessageW(GetWindow(MarginEdit,GW_CHILD),UDM_SETBUDDY,MarginEdit,0);
  SendMessageW(GetWindow(MarginEdit,GW_CHILD),UDM_SETRANGE32,0,50);
  SendMessageW(GetWindow(MarginEdit,GW_CHILD),UDM_SETPOS32,0,10);
  UpDownAccel.nSec := 0;
  UpDownAccel.nInc := 5;
  SendMessageW(GetWindow(MarginEdit,GW_CHILD),UDM_SETACCEL,1,LParam(@UpDownAccel));

  { Create a scroll bar ============================================= }
  ZoomBar:= CreateWindowExW(0, 'ScrollBar','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or SBS_HORZ,
            288,138,153,17, hWindow, 0, Inst, nil);
  ScrollInfo.cbSize := SizeOf(ScrollInfo);
  ScrollInfo.fMask := SIF_ALL;
  ScrollInfo.nMin := 10;
  ScrollInfo.nMax := 400;
  ScrollInfo.nPage := 0;
  ScrollInfo.nPos := 100;
  SetScrollInfo(ZoomBar,SB_CTL,ScrollInfo,True);
  SetProp(ZoomBar,'ScrollLine',1);
  SetProp(ZoomBar,'ScrollPage',10);

  { Create a hot key ================================================ }
  PrintKey:= CreateWindowExW(WS_EX_CLIENTEDGE, 'msctls_hotkey32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP,
             8,216,121,19, hWindow, 0, Inst, nil);
  SendMessageW(PrintKey,HKM_SETHOTKEY,592,0);

  { Create a speed button =========================================== }
  LeftButton:= CreateWindowExW(0, 'Button','Left', WS_VISIBLE or WS_CHILD or BS_CHECKBOX or BS_PUSHLIKE,
               144,214,57,22, hWindow, 0, Inst, nil);
  SetProp(LeftButton,'SpeedGroup',1);
  SendMessageW(LeftButton,BM_SETCHECK,1,0);

  { Create a speed button =========================================== }
  CenterButton:= CreateWindowExW(0, 'Button','Center', WS_VISIBLE or WS_CHILD or BS_CHECKBOX or BS_PUSHLIKE,
                 201,214,57,22, hWindow, 0, Inst, nil);
  SetProp(CenterButton,'SpeedGroup',1);

  { Create a speed button =========================================== }
  RightButton:= CreateWindowExW(0, 'Button','Right', WS_VISIBLE or WS_CHILD or BS_CHECKBOX or BS_PUSHLIKE,
                258,214,57,22, hWindow, 0, Inst, nil);
  SetProp(RightButton,'SpeedGroup',1);

  { Create a speed button =========================================== }
  HelpButton:= CreateWindowExW(0, 'Button','Help', WS_VISIBLE or WS_CHILD or BS_PUSHBUTTON or BS_FLAT,
               384,214,57,22, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  PrintButton:= CreateWindowExW(0, 'Button','Print',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
                286,288,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindowExW(0, 'Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 366,288,75,25, hWindow, IDCANCEL, Inst, nil);

  SendMessageW(CopiesUpDown,UDM_SETBUDDY,CopiesEdit,0);

  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(ToolBar1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(OrientationGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(OrientationGroup,1),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(OrientationGroup,2),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(OrientationGroup,3),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PagesGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PagesGroup,1),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PagesGroup,2),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PagesGroup,3),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PagesGroup,4),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CopiesUpDown,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CopiesEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(lblCopiesEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PrinterEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(lblPrinterEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(MarginEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(ZoomBar,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PrintKey,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(LeftButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CenterButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(RightButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(HelpButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PrintButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CancelButton,WM_SETFONT,hFont1,0);

  SetFocus(CopiesEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


