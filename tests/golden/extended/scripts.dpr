Program scripts ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    OldFont: HFONT;
    RussianLabel: HWND;
    GreekLabel: HWND;
    ArabicLabel: HWND;
    Languages: HWND;
    NameEdit: HWND;
    CityBox: HWND;
    OkButton: HWND;
    CancelButton: HWND;
    MainMenu1: HMENU;
    FileMenu: HMENU;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;
    hFont2: HFONT;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if HWND(lParam) = OkButton then MessageBoxW(hWindow,'OkButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBoxW(hWindow,'CancelButtonClick','Check',MB_OK);
      exit;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint Colors text: ChineseLabel }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOutW(PaintDC,8,8,PWideChar(#$4F60#$597D#$FF0C#$4E16#$754C#$FF08#$5B8B#$4F53#$FF09),9);
      SelectObject(PaintDC,OldFont);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      { Delete Pens and Brushes }
      { Delete Fonts }
      DeleteObject(hFont1);
      DeleteObject(hFont2);
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
  SetRect(WinRect, 0, 0, 420, 250);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, True, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 150;
  WinTop := 100;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','Scripts: '#$4E2D#$6587' '#$00B7' '#$0420#$0443#$0441#$0441#$043A#$0438#$0439' '#$00B7' '#$0395#$03BB#$03BB#$03B7#$03BD#$03B9#$03BA#$03AC' '#$00B7' '#$0627#$0644#$0639#$0631#$0628#$064A#$0629,
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  RussianLabel:= CreateWindowExW(0, 'Static',#$041F#$0440#$0438#$0432#$0435#$0442', '#$043C#$0438#$0440, WS_VISIBLE or WS_CHILD or SS_LEFT,
                 8,34,200,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  GreekLabel:= CreateWindowExW(0, 'Static',#$0393#$03B5#$03B9#$03AC' '#$03C3#$03BF#$03C5', '#$03BA#$03CC#$03C3#$03BC#$03B5, WS_VISIBLE or WS_CHILD or SS_LEFT,
               8,54,200,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  ArabicLabel:= CreateWindowExW(0, 'Static',#$0645#$0631#$062D#$0628#$0627' '#$0628#$0627#$0644#$0639#$0627#$0644#$0645, WS_VISIBLE or WS_CHILD or SS_LEFT,
                8,74,200,13, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  Languages:= CreateWindowExW(0, 'listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
              220,8,190,90, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessageW(Languages,LB_ADDSTRING , 0 ,LParam(PWideChar(#$4E2D#$6587)) );
  SendMessageW(Languages,LB_ADDSTRING , 0 ,LParam(PWideChar(#$0420#$0443#$0441#$0441#$043A#$0438#$0439)) );
  SendMessageW(Languages,LB_ADDSTRING , 0 ,LParam(PWideChar(#$0395#$03BB#$03BB#$03B7#$03BD#$03B9#$03BA#$03AC)) );
  SendMessageW(Languages,LB_ADDSTRING , 0 ,LParam(PWideChar(#$0627#$0644#$0639#$0631#$0628#$064A#$0629)) );
  SendMessageW(Languages,LB_ADDSTRING , 0 ,LParam(PWideChar('Fran'#$00E7'ais')) );

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit',#$03A9#$03BC#$03AD#$03B3#$03B1, WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             8,104,200,21, hWindow, 0, Inst, nil);

  { Create a combobox =============================================== }
  CityBox:= CreateWindowExW(0, 'combobox',#$041C#$043E#$0441#$043A#$0432#$0430,WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
            220,104,190,125, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessageW(CityBox,CB_ADDSTRING , 0 ,LParam(PWideChar(#$041C#$043E#$0441#$043A#$0432#$0430)) );
  SendMessageW(CityBox,CB_ADDSTRING , 0 ,LParam(PWideChar(#$5317#$4EAC)) );
  SendMessageW(CityBox,CB_ADDSTRING , 0 ,LParam(PWideChar(#$0391#$03B8#$03AE#$03BD#$03B1)) );
  SendMessageW(CityBox,CB_ADDSTRING , 0 ,LParam(PWideChar(#$0627#$0644#$0642#$0627#$0647#$0631#$0629)) );
  { select current item }
  SendMessageW(CityBox,CB_SELECTSTRING,0,LParam(PWideChar(#$041C#$043E#$0441#$043A#$0432#$0430)) );

  { Create a button ================================================= }
  OkButton:= CreateWindowExW(0, 'Button',#$786E#$5B9A,WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
             8,140,100,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindowExW(0, 'Button',#$041E#$0442#$043C#$0435#$043D#$0430,WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 116,140,100,25, hWindow, IDCANCEL, Inst, nil);

  { Create the menu bar ============================================= }
  MainMenu1 := CreateMenu;
  FileMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, FileMenu, #$6587#$4EF6);
  AppendMenuW(FileMenu, MF_STRING, 40001, #$041E#$0442#$043A#$0440#$044B#$0442#$044C);
  AppendMenuW(FileMenu, MF_STRING, 40002, #$039A#$03BB#$03B5#$03AF#$03C3#$03B9#$03BC#$03BF);
  AppendMenuW(MainMenu1, MF_STRING, 40003, #$0645#$0633#$0627#$0639#$062F#$0629);
  SetMenu(hWindow, MainMenu1);


  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(-15,0,0,0,400,0,0,0,GB2312_CHARSET,0,0,0,0,#$5B8B#$4F53);
  hFont2 := CreateFontW(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Verdana');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessageW(RussianLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(GreekLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(ArabicLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(Languages,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(NameEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(CityBox,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(OkButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(CancelButton,WM_SETFONT,hFont2,0);

  SetFocus(Languages);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


