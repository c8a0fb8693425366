Program scripts ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    OldFont: HFONT;
    RussianLabel: HWND;
    GreekLabel: HWND;
    ArabicLabel: HWND;
    Languages: HWND;
    NameEdit: HWND;
    CityBox: HWND;
    OkButton: HWND;
    CancelButton: HWND;
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
      if HWND(lParam) = OkButton then MessageBox(hWindow,'OkButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBox(hWindow,'CancelButtonClick','Check',MB_OK);
      exit;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint Colors text: ChineseLabel }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(0,0,0));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,8,8,Pchar(#20320#22909#65292#19990#30028#65288#23435#20307#65289),9);
      SelectObject(PaintDC,OldFont);
      EndPaint(hWindow,PaintStruct);
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
  SetRect(WinRect, 0, 0, 420, 250);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Scripts: '#20013#25991' · '#1056#1091#1089#1089#1082#1080#1081' · '#917#955#955#951#957#953#954#940' · '#1575#1604#1593#1585#1576#1610#1577,
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            150,100,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  RussianLabel:= Createwindow('Static',#1055#1088#1080#1074#1077#1090', '#1084#1080#1088, WS_VISIBLE or WS_CHILD or SS_LEFT,
                 8,34,200,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  GreekLabel:= Createwindow('Static',#915#949#953#940' '#963#959#965', '#954#972#963#956#949, WS_VISIBLE or WS_CHILD or SS_LEFT,
               8,54,200,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  ArabicLabel:= Createwindow('Static',#1605#1585#1581#1576#1575' '#1576#1575#1604#1593#1575#1604#1605, WS_VISIBLE or WS_CHILD or SS_LEFT,
                8,74,200,13, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  Languages:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP,
              220,8,190,90, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(Languages,LB_ADDSTRING , 0 ,LParam(PChar(#20013#25991)) );
  SendMessage(Languages,LB_ADDSTRING , 0 ,LParam(PChar(#1056#1091#1089#1089#1082#1080#1081)) );
  SendMessage(Languages,LB_ADDSTRING , 0 ,LParam(PChar(#917#955#955#951#957#953#954#940)) );
  SendMessage(Languages,LB_ADDSTRING , 0 ,LParam(PChar(#1575#1604#1593#1585#1576#1610#1577)) );
  SendMessage(Languages,LB_ADDSTRING , 0 ,LParam(PChar('Français')) );

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit',#937#956#941#947#945, WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             8,104,200,21, hWindow, 0, Inst, nil);

  { Create a combobox =============================================== }
  CityBox:= CreateWindow('combobox',#1052#1086#1089#1082#1074#1072,WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
            220,104,190,125, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessage(CityBox,CB_ADDSTRING , 0 ,LParam(PChar(#1052#1086#1089#1082#1074#1072)) );
  SendMessage(CityBox,CB_ADDSTRING , 0 ,LParam(PChar(#21271#20140)) );
  SendMessage(CityBox,CB_ADDSTRING , 0 ,LParam(PChar(#913#952#942#957#945)) );
  SendMessage(CityBox,CB_ADDSTRING , 0 ,LParam(PChar(#1575#1604#1602#1575#1607#1585#1577)) );
  { select current item }
  SendMessage(CityBox,CB_SELECTSTRING,0,LParam(PChar(#1052#1086#1089#1082#1074#1072)) );

  { Create a button ================================================= }
  OkButton:= CreateWindow('Button',#30830#23450,WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
             8,140,100,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button',#1054#1090#1084#1077#1085#1072,WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 116,140,100,25, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-15,0,0,0,400,0,0,0,GB2312_CHARSET,0,0,0,0,#23435#20307);


  SetFocus(Languages);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


