Program resizable ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    FindLabel: HWND;
    FindEdit: HWND;
    StateLabel: HWND;
    OkButton: HWND;
    CancelButton: HWND;
    FolderList: HWND;
    OldFont: HFONT;
    CentreButton: HWND;
    UnreadCheck: HWND;
    FlaggedCheck: HWND;
    AttachCheck: HWND;
    RepliedCheck: HWND;
    SpamCheck: HWND;
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
      if HWND(lParam) = CentreButton then MessageBox(hWindow,'CentreButtonClick','Check',MB_OK);
      if HWND(lParam) = UnreadCheck then MessageBox(hWindow,'UnreadCheckClick','Check',MB_OK);
      if HWND(lParam) = FlaggedCheck then MessageBox(hWindow,'FlaggedCheckClick','Check',MB_OK);
      if HWND(lParam) = AttachCheck then MessageBox(hWindow,'AttachCheckClick','Check',MB_OK);
      if HWND(lParam) = RepliedCheck then MessageBox(hWindow,'RepliedCheckClick','Check',MB_OK);
      if HWND(lParam) = SpamCheck then MessageBox(hWindow,'SpamCheckClick','Check',MB_OK);
      exit;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint Colors text: InfoLabel }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(0,0,128));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,488,44,Pchar('Details'),7);
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
  SetRect(WinRect, 0, 0, 600, 400);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic resizable window',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            160,100,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  FindLabel:= Createwindow('Static','Find:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              8,11,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  FindEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','stretches with the window', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             48,7,540,21, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  StateLabel:= Createwindow('Static','Ready', WS_VISIBLE or WS_CHILD or SS_LEFT,
               12,372,31,13, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  OkButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
             432,366,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 513,366,75,25, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  FolderList:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP,
               3,39,154,314, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(FolderList,LB_ADDSTRING , 0 ,LParam(PChar('Inbox')) );
  SendMessage(FolderList,LB_ADDSTRING , 0 ,LParam(PChar('Drafts')) );
  SendMessage(FolderList,LB_ADDSTRING , 0 ,LParam(PChar('Sent')) );
  SendMessage(FolderList,LB_ADDSTRING , 0 ,LParam(PChar('Archive')) );

  { Create a button ================================================= }
  CentreButton:= CreateWindow('Button','Centred',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 502,183,75,25, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  UnreadCheck:= CreateWindow('Button','Unread',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                492,250,80,17, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  FlaggedCheck:= CreateWindow('Button','Flagged',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                 492,272,80,17, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  AttachCheck:= CreateWindow('Button','Attachments',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                492,294,80,17, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  RepliedCheck:= CreateWindow('Button','Replied',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                 492,316,80,17, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  SpamCheck:= CreateWindow('Button','Spam',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              492,338,80,17, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');


  SetFocus(FindEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


