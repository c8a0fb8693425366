Program dialog ;

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
    Photo: HWND;
    hPhoto: HBITMAP;
    Badge: HWND;
    hBadge: HBITMAP;
    NameLabel: HWND;
    NameEdit: HWND;
    CountLabel: HWND;
    CountEdit: HWND;
    CodeEdit: HWND;
    ColorBrush1: HBRUSH;
    GiftCheck: HWND;
    ExpressCheck: HWND;
    PaymentGroup: HWND;
    CardRadio: HWND;
    InvoiceRadio: HWND;
    OkButton: HWND;
    GlyphBitmap: HBITMAP;
    hOkButton: HIMAGELIST;
    CancelButton: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;
    hFont2: HFONT;

{ Draws a button whose glyph stands beside its caption }
procedure DrawGlyphButton(const Item: TDrawItemStruct; Glyphs: HIMAGELIST;
  GlyphWidth, GlyphHeight, Layout, Spacing, Margin: Integer);
var
  Face, TextBox: TRect;
  Caption: array[0..255] of Char;
  FaceWidth, FaceHeight, TextWidth, TextHeight: Integer;
  GlyphX, GlyphY, TextX, TextY, Shift, Image: Integer;
begin
  Face := Item.rcItem;
  Shift := 0;
  if (Item.itemState and ODS_SELECTED) <> 0 then begin
    DrawFrameControl(Item.hDC, Face, DFC_BUTTON, DFCS_BUTTONPUSH or DFCS_PUSHED);
    Shift := 1;
  end else
    DrawFrameControl(Item.hDC, Face, DFC_BUTTON, DFCS_BUTTONPUSH);
  FaceWidth := Face.Right - Face.Left;
  FaceHeight := Face.Bottom - Face.Top;
  GetWindowText(Item.hwndItem, Caption, SizeOf(Caption));
  SetRectEmpty(TextBox);
  if Caption[0] <> #0 then
    DrawText(Item.hDC, Caption, -1, TextBox, DT_CALCRECT or DT_SINGLELINE);
  TextWidth := TextBox.Right;
  TextHeight := TextBox.Bottom;
  if Glyphs = 0 then begin
    GlyphWidth := 0;
    GlyphHeight := 0;
  end;
  if (GlyphWidth = 0) or (TextWidth = 0) then Spacing := 0;
  if Layout < 2 then begin
    if Margin < 0 then Margin := (FaceWidth - GlyphWidth - Spacing - TextWidth) div 2;
    GlyphX := Margin;
    TextX := Margin + GlyphWidth + Spacing;
    if Layout = 1 then begin
      GlyphX := FaceWidth - Margin - GlyphWidth;
      TextX := GlyphX - Spacing - TextWidth;
    end;
    GlyphY := (FaceHeight - GlyphHeight) div 2;
    TextY := (FaceHeight - TextHeight) div 2;
  end else begin
    if Margin < 0 then Margin := (FaceHeight - GlyphHeight - Spacing - TextHeight) div 2;
    GlyphY := Margin;
    TextY := Margin + GlyphHeight + Spacing;
    if Layout = 3 then begin
      GlyphY := FaceHeight - Margin - GlyphHeight;
      TextY := GlyphY - Spacing - TextHeight;
    end;
    GlyphX := (FaceWidth - GlyphWidth) div 2;
    TextX := (FaceWidth - TextWidth) div 2;
  end;
  if Glyphs <> 0 then begin
    Image := 0;
    if ((Item.itemState and ODS_DISABLED) <> 0) and
      (ImageList_GetImageCount(Glyphs) > 1) then Image := 1;
    ImageList_Draw(Glyphs, Image, Item.hDC, Face.Left + GlyphX + Shift,
      Face.Top + GlyphY + Shift, ILD_TRANSPARENT);
  end;
  SetBkMode(Item.hDC, TRANSPARENT);
  if (Item.itemState and ODS_DISABLED) <> 0 then
    SetTextColor(Item.hDC, GetSysColor(COLOR_GRAYTEXT))
  else
    SetTextColor(Item.hDC, GetSysColor(COLOR_BTNTEXT));
  OffsetRect(TextBox, Face.Left + TextX + Shift, Face.Top + TextY + Shift);
  if Caption[0] <> #0 then DrawText(Item.hDC, Caption, -1, TextBox, DT_SINGLELINE);
  if (Item.itemState and ODS_FOCUS) <> 0 then begin
    InflateRect(Face, -4, -4);
    DrawFocusRect(Item.hDC, Face);
  end;
end;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      { Load Image }
      hPhoto := LoadBitmap(Inst,PChar('BMP_Photo'));
      { Load Image }
      hBadge := LoadBitmap(Inst,PChar('BMP_Badge'));
      ColorBrush1 := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      { Glyphs of OkButton }
      GlyphBitmap := LoadBitmap(Inst,PChar('BMP_OkButton'));
      hOkButton := ImageList_Create(16,16,ILC_COLOR24 or ILC_MASK,2,0);
      ImageList_AddMasked(hOkButton,GlyphBitmap,RGB(0,128,128));
      DeleteObject(GlyphBitmap);
    end;
    WM_COMMAND: begin
      exit;
    end;
    WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN: begin
      if HWND(lParam) = GiftCheck then begin
        SetTextColor(HDC(wParam),RGB(128,0,0));
        SetBkColor(HDC(wParam),GetSysColor(COLOR_BTNFACE));
        Result := Integer(ColorBrush1);
        Exit;
      end;
      Result := DefWindowProc(hWindow, Message, wParam, lParam);
    end;
    WM_DRAWITEM: begin
      if PDrawItemStruct(lParam)^.hwndItem = OkButton then
        DrawGlyphButton(PDrawItemStruct(lParam)^, hOkButton, 16, 16, 0, 4, -1);
      if PDrawItemStruct(lParam)^.hwndItem = CancelButton then
        DrawGlyphButton(PDrawItemStruct(lParam)^, 0, 0, 0, 0, 4, -1);
      Result := 1;
    end;

    WM_DESTROY: begin
      DeleteObject(hPhoto);
      DeleteObject(hBadge);
      DeleteObject(ColorBrush1);
      ImageList_Destroy(hOkButton);
      { Delete Pens and Brushes }
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
  SetRect(WinRect, 0, 0, 352, 236);
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowEx(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Order',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a static image =========================================== }
  Photo:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
          12,12,48,48, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessage(Photo,STM_SETIMAGE,IMAGE_BITMAP,LParam(hPhoto));

  { Create a static image =========================================== }
  Badge:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
          12,72,48,48, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessage(Badge,STM_SETIMAGE,IMAGE_BITMAP,LParam(hBadge));

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
  CodeEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','internal code', WS_CHILD or WS_BORDER or WS_TABSTOP,
             228,40,112,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  GiftCheck:= CreateWindow('Button','Gift wrap',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              76,76,200,17, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  ExpressCheck:= CreateWindow('Button','Express delivery (sold out)',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP or WS_DISABLED,
                 76,100,200,17, hWindow, 0, Inst, nil);

  { Create a groupbox =============================================== }
  PaymentGroup:= CreateWindow('Button',' Payment ',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
                 76,128,264,56, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  CardRadio:= CreateWindow('Button','Card',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
              88,152,100,17, hWindow, 0, Inst, nil);
  SendMessage(CardRadio,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  InvoiceRadio:= CreateWindow('Button','Invoice',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                 208,152,100,17, hWindow, 0, Inst, nil);

  { Create a bit button ============================================= }
  OkButton:= CreateWindow('Button','OK', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_OWNERDRAW,
             184,200,75,25, hWindow, IDOK, Inst, nil);

  { Create a bit button ============================================= }
  CancelButton:= CreateWindow('Button','Cancel', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_OWNERDRAW,
                 265,200,75,25, hWindow, IDCANCEL, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFont(-11,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(Photo,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Badge,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(NameLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(NameEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CountLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CountEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CodeEdit,WM_SETFONT,hFont1,0);
  if hFont2 <> 0 then SendMessage(GiftCheck,WM_SETFONT,hFont2,0);
  if hFont1 <> 0 then SendMessage(ExpressCheck,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PaymentGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CardRadio,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(InvoiceRadio,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(OkButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CancelButton,WM_SETFONT,hFont1,0);

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


