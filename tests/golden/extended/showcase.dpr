Program showcase ;

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
    Label1: HWND;
    OldFont: HFONT;
    Edit1: HWND;
    Button1: HWND;
    BitBtn1: HWND;
    GlyphBitmap: HBITMAP;
    hBitBtn1: HIMAGELIST;
    CheckBox1: HWND;
    GroupBox1: HWND;
    RadioButton1: HWND;
    RadioButton2: HWND;
    ListBox1: HWND;
    ComboBox1: HWND;
    Memo1: HWND;
    PaintRect: TRect;
    PaintBrush: HBRUSH;
    Image1: HWND;
    hImage1: HBITMAP;
    ProgressBar1: HWND;
    TrackBar1: HWND;
    StatusBar1: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    OldPoint: PPoint;
    OldPen: HPEN;
    Pen1: HPEN;
    Pen2: HPEN;
    Pen3: HPEN;
    Pen4: HPEN;
    OldBrush: HBRUSH;
    Brush1: HBRUSH;
    Brush2: HBRUSH;
    hFont1: HFONT;
    hFont2: HFONT;
    hFont3: HFONT;

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
      { Glyphs of BitBtn1 }
      GlyphBitmap := LoadBitmap(Inst,PChar('BMP_BitBtn1'));
      hBitBtn1 := ImageList_Create(16,16,ILC_COLOR24 or ILC_MASK,1,0);
      ImageList_AddMasked(hBitBtn1,GlyphBitmap,RGB(192,192,192));
      DeleteObject(GlyphBitmap);
      { Load Image }
      hImage1 := LoadBitmap(Inst,PChar('BMP_Image1'));
      InitCommonControls;
      { Create Pens }
      Pen1 := CreatePen(PS_INSIDEFRAME,2,RGB(0,128,0));
      Pen2 := CreatePen(PS_INSIDEFRAME,1,RGB(0,0,0));
      Pen3 := CreatePen(PS_INSIDEFRAME,1,RGB(128,128,128));
      Pen4 := CreatePen(PS_INSIDEFRAME,1,RGB(255,255,255));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(0,255,0));
      Brush2 := CreateSolidBrush(RGB(255,0,0));
    end;
    WM_COMMAND: begin
      exit;
    end;
    WM_DRAWITEM: begin
      if PDrawItemStruct(lParam)^.hwndItem = BitBtn1 then
        DrawGlyphButton(PDrawItemStruct(lParam)^, hBitBtn1, 16, 16, 0, 4, -1);
      Result := 1;
    end;
    WM_SIZE: begin
      SendMessage(StatusBar1,WM_SIZE,wParam,lParam);
    end;
    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint Colors text: Title }
      OldFont := SelectObject(PaintDC,hFont2);
      SetTextColor(PaintDC,RGB(255,255,0));
      SetBkColor(PaintDC,RGB(0,0,128));
      TextOut(PaintDC,264,14,Pchar('A painted label'),15);
      SelectObject(PaintDC,OldFont);
      { Paint panel: Panel1 }
      SaveDC(PaintDC);
      SetRect(PaintRect,208,160,488,244);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);
      RestoreDC(PaintDC,-1);
      { Create shape: Shape1 }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      RoundRect(PaintDC,216,168,280,208,10,10);
      { Create shape: Shape2 }
      OldBrush := SelectObject(PaintDC,Brush2);
      OldPen := SelectObject(PaintDC,Pen2);
      Ellipse(PaintDC,292,168,332,208);
      { Create bevel: Bevel1 }
      OldPen  := SelectObject(PaintDC,Pen3);
      MoveToEx(PaintDC,216,220,OldPoint);
      LineTo(PaintDC,476,220);
      OldPen  := SelectObject(PaintDC,Pen4);
      MoveToEx(PaintDC,217,221,OldPoint);
      LineTo(PaintDC,477,221);
      { Create bevel: Bevel2 }
      OldPen  := SelectObject(PaintDC,Pen3);
      MoveToEx(PaintDC,16,338,OldPoint);
      LineTo(PaintDC,16,288); LineTo(PaintDC,488,288);
      OldPen  := SelectObject(PaintDC,Pen4);
      MoveToEx(PaintDC,489,289,OldPoint);
      LineTo(PaintDC,489,339); LineTo(PaintDC,17,339);
      { Paint Colors text: Label2 }
      OldFont := SelectObject(PaintDC,hFont3);
      SetTextColor(PaintDC,RGB(128,0,0));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,28,306,Pchar('Shapes, bevels and labels are painted in WM_PAINT.'),50);
      SelectObject(PaintDC,OldFont);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      ImageList_Destroy(hBitBtn1);
      DeleteObject(hImage1);
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Pen2);
      DeleteObject(Pen3);
      DeleteObject(Pen4);
      DeleteObject(Brush1);
      DeleteObject(Brush2);
      { Delete Fonts }
      DeleteObject(hFont1);
      DeleteObject(hFont2);
      DeleteObject(hFont3);
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
  WinWidth := 520;
  WinHeight := 420;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 200;
  WinTop := 120;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic showcase',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,16,82,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Edit1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Ada', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
          100,12,140,21, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  Button1:= CreateWindow('Button','Say hello',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
            16,44,90,25, hWindow, 0, Inst, nil);

  { Create a bit button ============================================= }
  BitBtn1:= CreateWindow('Button','OK', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_OWNERDRAW,
            116,44,90,25, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  CheckBox1:= CreateWindow('Button','Remember me',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              224,48,150,17, hWindow, 0, Inst, nil);
  SendMessage(CheckBox1,BM_SETCHECK,1,0);

  { Create a groupbox =============================================== }
  GroupBox1:= CreateWindow('Button','Size',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
              16,80,150,72, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton1:= CreateWindow('Button','Small',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 28,100,100,17, hWindow, 0, Inst, nil);
  SendMessage(RadioButton1,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  RadioButton2:= CreateWindow('Button','Large',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                 28,124,100,17, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  ListBox1:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
             180,84,100,68, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Red')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Green')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Blue')) );

  { Create a combobox =============================================== }
  ComboBox1:= CreateWindow('combobox','Monday',WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
              296,84,120,125, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Monday')) );
  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Tuesday')) );
  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Wednesday')) );
  { select current item }
  SendMessage(ComboBox1,CB_SELECTSTRING,0,LParam(PChar('Monday')) );

  { Create a memo =================================================== }
  Memo1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or
          ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL or WS_TABSTOP,
          16,164,180,72, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessage(Memo1,WM_SETTEXT, 0, lParam(pChar('A memo keeps'+#13#10+'its lines.')));

  { Create a static image =========================================== }
  Image1:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
           344,168,32,32, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessage(Image1,STM_SETIMAGE,IMAGE_BITMAP,LParam(hImage1));

  { Create a progressbar ============================================ }
  ProgressBar1:= CreateWindow('msctls_progress32','progressbar',WS_VISIBLE or WS_CHILD or WS_BORDER,
                 16,252,230,17, hWindow, 0, Inst, nil);
  SendMessage(ProgressBar1,PBM_SETRANGE,0,MakeLong(0,100));
  SendMessage(ProgressBar1,PBM_SETPOS,60,0) ;

  { Create a trackbar =============================================== }
  TrackBar1:= CreateWindow('msctls_trackbar32','trackbar',WS_VISIBLE or WS_CHILD or WS_BORDER or WS_TABSTOP,
              256,248,230,30, hWindow, 0, Inst, nil);
  SendMessage(TrackBar1,TBM_SETRANGE,1,MakeLong( 0,20));
  SendMessage(TrackBar1,TBM_SETPOS,1,7);

  { Create a statusbar ============================================== }
  StatusBar1:= CreateStatusWindow(WS_VISIBLE or WS_CHILD ,'Ready'
               , hWindow, 0);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFont(-16,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');
  hFont3 := CreateFont(-11,0,0,0,400,1,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Edit1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Button1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(BitBtn1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CheckBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GroupBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(RadioButton1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(RadioButton2,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ListBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ComboBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Memo1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Image1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ProgressBar1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(TrackBar1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(StatusBar1,WM_SETFONT,hFont1,0);

  SetFocus(Edit1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


