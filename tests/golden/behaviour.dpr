Program behaviour ;

Uses Windows, Messages, CommCtrl;
{$R *.RES}

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    OldFont: HFONT;
    Key: HWND;
    hKey: HBITMAP;
    UserLabel: HWND;
    UserEdit: HWND;
    PasswordLabel: HWND;
    PasswordEdit: HWND;
    PinLabel: HWND;
    PinEdit: HWND;
    ServerLabel: HWND;
    ServerEdit: HWND;
    RememberCheck: HWND;
    NotesMemo: HWND;
    ProxyList: HWND;
    HistoryLabel: HWND;
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

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Create shape: Banner }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Rectangle(PaintDC,0,0,400,48);
      { Paint Colors text: TitleShadow }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(0,0,0));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,2,2,Pchar('Welcome back'),12);
      SelectObject(PaintDC,OldFont);
      { Paint Colors text: Title }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(255,255,255));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,0,0,Pchar('Welcome back'),12);
      SelectObject(PaintDC,OldFont);
      { Paint Colors text: HintLabel }
      OldFont := SelectObject(PaintDC,hFont2);
      SetTextColor(PaintDC,RGB(0,0,0));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,308,60,Pchar('The PIN takes digits only; the user name is kept in lower case.'),63);
      SelectObject(PaintDC,OldFont);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      DeleteObject(hKey);
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
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Sign in',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            240,160,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


  { Create a static image =========================================== }
  Key:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
        12,60,24,24, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessage(Key,STM_SETIMAGE,IMAGE_BITMAP,LParam(hKey));

  { Create a label (static) ========================================= }
  UserLabel:= Createwindow('Static','User name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              48,64,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  UserEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','ada', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             136,60,160,21, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  PasswordLabel:= Createwindow('Static','Password:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                  48,92,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  PasswordEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','secret', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
                 136,88,160,21, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  PinLabel:= Createwindow('Static','PIN:', WS_VISIBLE or WS_CHILD or SS_LEFT,
             48,120,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  PinEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','1234', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
            136,116,64,21, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  ServerLabel:= Createwindow('Static','Server:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                48,148,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  ServerEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','sign-in.example.org (fixed)', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
               136,144,252,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  RememberCheck:= CreateWindow('Button','Remember me on this computer',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                  20,184,200,17, hWindow, 0, Inst, nil);

  { Create a memo =================================================== }
  NotesMemo:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or
              ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL,
              16,180,360,50, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessage(NotesMemo,WM_SETTEXT, 0, lParam(pChar('Without word wrap a long line runs on past the right edge of'+#13#10+'the memo, and its scroll bars show it.')));

  { Create a listbox ================================================ }
  ProxyList:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP,
              16,180,180,50, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ProxyList,LB_ADDSTRING , 0 ,LParam(PChar('direct')) );
  SendMessage(ProxyList,LB_ADDSTRING , 0 ,LParam(PChar('system proxy')) );

  { Create a label (static) ========================================= }
  HistoryLabel:= Createwindow('Static','No sign-in recorded yet', WS_VISIBLE or WS_CHILD or SS_LEFT,
                 16,212,360,20, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  SignInButton:= CreateWindow('Button','Sign in',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 232,312,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 313,312,75,25, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-19,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');


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


