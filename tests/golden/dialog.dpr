Program dialog ;

Uses Windows, Messages, CommCtrl;
{$R *.RES}

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    Photo: HWND;
    Badge: HWND;
    NameLabel: HWND;
    NameEdit: HWND;
    CountLabel: HWND;
    CountEdit: HWND;
    CodeEdit: HWND;
    GiftCheck: HWND;
    ExpressCheck: HWND;
    PaymentGroup: HWND;
    CardRadio: HWND;
    InvoiceRadio: HWND;
    OkButton: HWND;
    hOkButton: HBITMAP;
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
      { Load Image }
      hOkButton := LoadBitmap(Inst,PChar('BMP_OkButton'));
    end;
    WM_COMMAND: begin
      if HWND(lParam) = GiftCheck then MessageBox(hWindow,'GiftCheckClick','Check',MB_OK);
      if HWND(lParam) = ExpressCheck then MessageBox(hWindow,'ExpressCheckClick','Check',MB_OK);
      if HWND(lParam) = OkButton then MessageBox(hWindow,'OkButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBox(hWindow,'CancelButtonClick','Check',MB_OK);
      exit;
    end;

    WM_DESTROY: begin
      DeleteObject(hOkButton);
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
  SetRect(WinRect, 0, 0, 352, 236);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Order',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            260,180,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


  { Create a static image =========================================== }
  Photo:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
          12,12,48,48, hWindow, 0, Inst, nil);

  { Create a static image =========================================== }
  Badge:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
          12,72,48,48, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  NameLabel:= Createwindow('Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              76,16,70,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Ada Lovelace', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             160,12,180,21, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CountLabel:= Createwindow('Static','Quantity:', WS_VISIBLE or WS_CHILD or SS_LEFT,
               76,44,70,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CountEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','2', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
              160,40,60,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CodeEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','internal code', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             228,40,112,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  GiftCheck:= CreateWindow('Button','Gift wrap',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              76,76,200,17, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  ExpressCheck:= CreateWindow('Button','Express delivery (sold out)',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                 76,100,200,17, hWindow, 0, Inst, nil);

  { Create a groupbox =============================================== }
  PaymentGroup:= CreateWindow('Button',' Payment ',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
                 76,128,264,56, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  CardRadio:= CreateWindow('Button','Card',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
              88,152,100,17, hWindow, 0, Inst, nil);
  SendMessage(CardRadio,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  InvoiceRadio:= CreateWindow('Button','Invoice',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 208,152,100,17, hWindow, 0, Inst, nil);

  { Create a bit button ============================================= }
  OkButton:= CreateWindow('Button','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_BITMAP,
             184,200,75,25, hWindow, 0, Inst, nil);
  { set image to button }
  SendMessage(OkButton,BM_SETIMAGE,IMAGE_BITMAP,LParam(hOkButton));

  { Create a bit button ============================================= }
  CancelButton:= CreateWindow('Button','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_BITMAP,
                 265,200,75,25, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(GiftCheck,WM_SETFONT,hFont1,0);

  SetFocus(NameEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


