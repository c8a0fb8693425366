Program containers ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    OkButton: HWND;
    CancelButton: HWND;
    KindLabel: HWND;
    FirstRadio: HWND;
    SecondRadio: HWND;
    NameLabel: HWND;
    NameEdit: HWND;
    AutoCheck: HWND;
    OldFont: HFONT;
    PeriodMemo: HWND;
    NeverButton: HWND;
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
      { Create Pens }
      Pen1 := CreatePen(PS_INSIDEFRAME,1,RGB(0,0,0));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(255,0,0));
    end;
    WM_COMMAND: begin
      if HWND(lParam) = OkButton then MessageBox(hWindow,'OkButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBox(hWindow,'CancelButtonClick','Check',MB_OK);
      if HWND(lParam) = AutoCheck then MessageBox(hWindow,'AutoCheckClick','Check',MB_OK);
      if HWND(lParam) = NeverButton then MessageBox(hWindow,'NeverButtonClick','Check',MB_OK);
      exit;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Create shape: Marker }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Ellipse(PaintDC,214,85,255,126);
      { Paint Colors text: NoteLabel }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(128,0,0));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,170,89,Pchar('A painted label'),15);
      SelectObject(PaintDC,OldFont);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Brush1);
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
  SetRect(WinRect, 0, 0, 560, 360);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic containers',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            120,90,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


  { Create a button ================================================= }
  OkButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
             396,327,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 477,327,75,25, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  KindLabel:= Createwindow('Static','Kind:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              12,53,30,13, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  FirstRadio:= CreateWindow('Button','Small',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
               12,73,113,17, hWindow, 0, Inst, nil);
  SendMessage(FirstRadio,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  SecondRadio:= CreateWindow('Button','Large',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                12,97,113,17, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  NameLabel:= Createwindow('Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              158,53,31,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','on the first page', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             214,49,200,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  AutoCheck:= CreateWindow('Button','on the second page',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              158,49,200,17, hWindow, 0, Inst, nil);

  { Create a memo =================================================== }
  PeriodMemo:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or
               ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL,
               170,81,361,156, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessage(PeriodMemo,WM_SETTEXT, 0, lParam(pChar('on the third page, inside a tab control')));

  { Create a button ================================================= }
  NeverButton:= CreateWindow('Button','on a hidden page',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                158,49,120,25, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');


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


