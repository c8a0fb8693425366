Program dialog ;

Uses Windows, Messages, CommCtrl;
{$R *.RES}

Var WinClass: TWndClassW;
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
  Caption: array[0..255] of WideChar;
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
  GetWindowTextW(Item.hwndItem, Caption, Length(Caption));
  SetRectEmpty(TextBox);
  if Caption[0] <> #0 then
    DrawTextW(Item.hDC, Caption, -1, TextBox, DT_CALCRECT or DT_SINGLELINE);
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
  if Caption[0] <> #0 then DrawTextW(Item.hDC, Caption, -1, TextBox, DT_SINGLELINE);
  if (Item.itemState and ODS_FOCUS) <> 0 then begin
    InflateRect(Face, -4, -4);
    DrawFocusRect(Item.hDC, Face);
  end;
end;

{ The screen's resolution ================================================ }
const
  FormPixelsPerInch = 96;
  FormScaled: Boolean = True;
  LayoutClientWidth: Integer = 352;
  LayoutClientHeight: Integer = 236;
  { Sent when the window moves to a screen of another resolution }
  WM_DPICHANGED = 736;

var
  ScreenDpi: Integer = 96;

{ Reads the screen's resolution once the program has declared that it is
  aware of it, so that the system does not stretch its window into a blur;
  both calls are looked up, as older systems lack them }
procedure ReadScreenDpi;
type
  TSetAwarenessContext = function(Context: THandle): BOOL; stdcall;
  TSetAware = function: BOOL; stdcall;
var
  User: HMODULE;
  SetAwarenessContext: TSetAwarenessContext;
  SetAware: TSetAware;
  Screen: HDC;
begin
  User := GetModuleHandleW('user32.dll');
  SetAwarenessContext := TSetAwarenessContext(GetProcAddress(User, 'SetProcessDpiAwarenessContext'));
  { not 3 = -4: aware of each monitor's resolution, second version }
  if not (Assigned(SetAwarenessContext) and SetAwarenessContext(not THandle(3))) then begin
    SetAware := TSetAware(GetProcAddress(User, 'SetProcessDPIAware'));
    if Assigned(SetAware) then SetAware;
  end;
  Screen := GetDC(0);
  ScreenDpi := GetDeviceCaps(Screen, LOGPIXELSX);
  ReleaseDC(0, Screen);
  if ScreenDpi <= 0 then ScreenDpi := 96;
end;

{ A length of the form, designed at FormPixelsPerInch, in pixels of the screen }
function ScaleToScreen(Value: Integer): Integer;
begin
  if FormScaled then Result := MulDiv(Value, ScreenDpi, FormPixelsPerInch) else Result := Value;
end;

{ The controls' layout ================================================== }
type
  { A control or container that the layout places }
  TLayoutRow = record
    Parent: Integer;                    { the row of its container; -1: the main window }
    Left, Top, Width, Height: Integer;  { as designed, in its container's client area, scaled }
    Align: Integer;                     { 0 none, 1 top, 2 bottom, 3 left, 4 right, 5 client, 6 custom }
    Anchors: Integer;                   { 1 left, 2 top, 4 right, 8 bottom }
    Margins: TRect;                     { the space around it where it is aligned }
    Client: TRect;                      { its client area's distance from its edges }
    Padding: TRect;                     { where what it holds aligns, inside its client area }
    Splits, MinSize: Integer;           { a splitter: the row it resizes (-1: none), the least size }
    PaintsPages: Boolean;               { a tab window whose pages the main window paints }
    Scrolls: Boolean;                   { a scroll box: its content scrolls when it does not fit }
    Window: HWND;                       { 0 for what the main window paints }
    Placed: TRect;                      { where it is now, in the main window's client area }
  end;

const
  LayoutCount = 14;
  { Each row: its container's row (-1: the main window); Left, Top, Width and Height
    as designed in the container's client area; Align; Anchors; the margins, the
    client area's distances from its edges and the padding (left, top, right and
    bottom each); the row a splitter resizes and its least size; 1 for a tab window
    whose pages the main window paints; 1 for a scroll box whose content scrolls }
  LayoutDesign: array[0..13, 0..22] of Integer = (
    (-1, 12, 12, 48, 48, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 0: Photo }
    (-1, 12, 72, 48, 48, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 1: Badge }
    (-1, 76, 16, 70, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 2: NameLabel }
    (-1, 160, 12, 180, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 3: NameEdit }
    (-1, 76, 44, 70, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 4: CountLabel }
    (-1, 160, 40, 60, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 5: CountEdit }
    (-1, 228, 40, 112, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 6: CodeEdit }
    (-1, 76, 76, 200, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 7: GiftCheck }
    (-1, 76, 100, 200, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 8: ExpressCheck }
    (-1, 76, 128, 264, 56, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2, 15, 2, 2, -1, 0, 0, 0), { 9: PaymentGroup }
    (9, 12, 24, 100, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 10: CardRadio }
    (9, 132, 24, 100, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 11: InvoiceRadio }
    (-1, 184, 200, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 12: OkButton }
    (-1, 265, 200, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0)  { 13: CancelButton }
  );
  { The order in which the rows are placed }
  LayoutOrder: array[0..13] of Integer = (
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13);

var
  LayoutRow: array[0..LayoutCount - 1] of TLayoutRow;
  { A container's client area, and what its aligned controls left of it }
  LayoutArea, LayoutRoom: array[-1..LayoutCount - 1] of TRect;
  { The main window's client area as designed, scaled; -1 until known }
  LayoutWidth: Integer = -1;
  LayoutHeight: Integer = -1;
  LayoutReady: Boolean = False;        { every window of the rows is created }
  SplitRow: Integer = -1;              { the splitter being dragged }
  SplitFrom, SplitSize, SplitLimit: Integer;
  { How far a container's content is scrolled, and how far it reaches unscrolled }
  LayoutScrolled, LayoutExtent: array[-1..LayoutCount - 1] of TPoint;
  { What shows of a container's client area inside the containers that scroll }
  LayoutView: array[-1..LayoutCount - 1] of TRect;
  LayoutBusy: Boolean = False;         { placing: the sizes that scroll bars bring wait }

{ The rows as designed, scaled to the screen's resolution }
procedure ScaleLayout;
var
  Row: Integer;
begin
  for Row := 0 to LayoutCount - 1 do
    with LayoutRow[Row] do begin
      Parent := LayoutDesign[Row, 0];
      Left := ScaleToScreen(LayoutDesign[Row, 1]);
      Top := ScaleToScreen(LayoutDesign[Row, 2]);
      Width := ScaleToScreen(LayoutDesign[Row, 3]);
      Height := ScaleToScreen(LayoutDesign[Row, 4]);
      Align := LayoutDesign[Row, 5];
      Anchors := LayoutDesign[Row, 6];
      SetRect(Margins, ScaleToScreen(LayoutDesign[Row, 7]), ScaleToScreen(LayoutDesign[Row, 8]),
        ScaleToScreen(LayoutDesign[Row, 9]), ScaleToScreen(LayoutDesign[Row, 10]));
      SetRect(Client, ScaleToScreen(LayoutDesign[Row, 11]), ScaleToScreen(LayoutDesign[Row, 12]),
        ScaleToScreen(LayoutDesign[Row, 13]), ScaleToScreen(LayoutDesign[Row, 14]));
      SetRect(Padding, ScaleToScreen(LayoutDesign[Row, 15]), ScaleToScreen(LayoutDesign[Row, 16]),
        ScaleToScreen(LayoutDesign[Row, 17]), ScaleToScreen(LayoutDesign[Row, 18]));
      Splits := LayoutDesign[Row, 19];
      MinSize := ScaleToScreen(LayoutDesign[Row, 20]);
      PaintsPages := LayoutDesign[Row, 21] <> 0;
      Scrolls := LayoutDesign[Row, 22] <> 0;
    end;
  FillChar(LayoutScrolled, SizeOf(LayoutScrolled), 0);
  { A form that stores no client size was designed at the size its window first gets }
  if LayoutClientWidth >= 0 then LayoutWidth := ScaleToScreen(LayoutClientWidth);
  if LayoutClientHeight >= 0 then LayoutHeight := ScaleToScreen(LayoutClientHeight);
end;

{ Where Align or Anchors put the control of Item in its container's client
  area Area, designed DesignWidth x DesignHeight: aligned controls in the
  designer's order take their room from Room, what those before left;
  others follow their anchors: a right or bottom anchor keeps the distance
  to that edge, both anchors of an axis stretch, none keeps the centre in
  proportion }
function LayoutPlace(const Item: TLayoutRow; const Area: TRect; var Room: TRect;
  DesignWidth, DesignHeight: Integer): TRect;
var
  X, Y, W, H: Integer;
begin
  with Item do begin
    X := Area.Left + Left;
    Y := Area.Top + Top;
    W := Width;
    H := Height;
    case Align of
      1, 2: begin
        X := Room.Left + Margins.Left;
        W := Room.Right - Room.Left - Margins.Left - Margins.Right;
        if Align = 1 then begin
          Y := Room.Top + Margins.Top;
          Room.Top := Y + H + Margins.Bottom;
        end else begin
          Y := Room.Bottom - Margins.Bottom - H;
          Room.Bottom := Y - Margins.Top;
        end;
      end;
      3, 4: begin
        Y := Room.Top + Margins.Top;
        H := Room.Bottom - Room.Top - Margins.Top - Margins.Bottom;
        if Align = 3 then begin
          X := Room.Left + Margins.Left;
          Room.Left := X + W + Margins.Right;
        end else begin
          X := Room.Right - Margins.Right - W;
          Room.Right := X - Margins.Left;
        end;
      end;
      5: begin
        X := Room.Left + Margins.Left;
        Y := Room.Top + Margins.Top;
        W := Room.Right - Room.Left - Margins.Left - Margins.Right;
        H := Room.Bottom - Room.Top - Margins.Top - Margins.Bottom;
      end;
    else
      { None or custom: the anchors place it, as the designer's own alignment leaves it }
      if (Anchors and 5) = 5 then Inc(W, Area.Right - Area.Left - DesignWidth)
      else if (Anchors and 4) = 4 then Inc(X, Area.Right - Area.Left - DesignWidth)
      else if ((Anchors and 1) = 0) and (DesignWidth > 0) then
        X := Area.Left + MulDiv(Left + Width div 2, Area.Right - Area.Left, DesignWidth) - Width div 2;
      if (Anchors and 10) = 10 then Inc(H, Area.Bottom - Area.Top - DesignHeight)
      else if (Anchors and 8) = 8 then Inc(Y, Area.Bottom - Area.Top - DesignHeight)
      else if ((Anchors and 2) = 0) and (DesignHeight > 0) then
        Y := Area.Top + MulDiv(Top + Height div 2, Area.Bottom - Area.Top, DesignHeight) - Height div 2;
    end;
  end;
  if W < 0 then W := 0;
  if H < 0 then H := 0;
  SetRect(Result, X, Y, X + W, Y + H);
end;

{ The main window paints the inside of a tab window's pages: the window
  keeps its tabs and border only }
procedure LayoutPageHole(Window: HWND; Width, Height: Integer);
var
  Inside: TRect;
  Shape, Hole: HRGN;
begin
  SetRect(Inside, 0, 0, Width, Height);
  TabCtrl_AdjustRect(Window, False, Inside);
  Shape := CreateRectRgn(0, 0, Width, Height);
  Hole := CreateRectRgn(Inside.Left, Inside.Top, Inside.Right, Inside.Bottom);
  CombineRgn(Shape, Shape, Hole, RGN_DIFF);
  DeleteObject(Hole);
  SetWindowRgn(Window, Shape, True);
end;


{ Nothing of this form scrolls }
procedure LayoutShrinkForBars(Row: Integer);
begin
end;

procedure LayoutClipWindow(Row: Integer);
begin
end;

function LayoutScrollBars: Boolean;
begin
  Result := False;
end;


{ Places every row in a client area of ClientWidth x ClientHeight, outer
  containers first: the windows move together, and the main window paints
  again where what it paints was and is; what lies in a container that
  scrolls moves by how far it is scrolled and shows only inside it }
procedure LayoutControls(ClientWidth, ClientHeight: Integer);
var
  Index, Row, Parent, DesignWidth, DesignHeight, Pass: Integer;
  Place, Area: TRect;
  Moves: HDWP;
  Reshaped, Inside: array[-1..LayoutCount - 1] of Boolean;
begin
  if LayoutWidth < 0 then LayoutWidth := ClientWidth;
  if LayoutHeight < 0 then LayoutHeight := ClientHeight;
  if not LayoutReady or LayoutBusy then Exit;
  LayoutBusy := True;
  FillChar(Reshaped, SizeOf(Reshaped), 0);
  FillChar(Inside, SizeOf(Inside), 0);
  { Scroll bars that come or go change the room: the rows are placed again }
  for Pass := 1 to 3 do begin
    SetRect(LayoutArea[-1], 0, 0, ClientWidth, ClientHeight);
    LayoutRoom[-1] := LayoutArea[-1];
    OffsetRect(LayoutRoom[-1], -LayoutScrolled[-1].X, -LayoutScrolled[-1].Y);
    LayoutView[-1] := LayoutArea[-1];
    FillChar(LayoutExtent, SizeOf(LayoutExtent), 0);
    Moves := BeginDeferWindowPos(LayoutCount);
    for Index := 0 to LayoutCount - 1 do begin
      Row := LayoutOrder[Index];
      Parent := LayoutRow[Row].Parent;
      DesignWidth := LayoutWidth;
      DesignHeight := LayoutHeight;
      if Parent >= 0 then
        with LayoutRow[Parent] do begin
          DesignWidth := Width - Client.Left - Client.Right;
          DesignHeight := Height - Client.Top - Client.Bottom;
          Inside[Row] := Inside[Parent] or Scrolls;
        end;
      Area := LayoutArea[Parent];
      OffsetRect(Area, -LayoutScrolled[Parent].X, -LayoutScrolled[Parent].Y);
      Place := LayoutPlace(LayoutRow[Row], Area, LayoutRoom[Parent], DesignWidth, DesignHeight);
      { How far what the container holds reaches, as if it were not scrolled }
      if Place.Right - Area.Left > LayoutExtent[Parent].X then LayoutExtent[Parent].X := Place.Right - Area.Left;
      if Place.Bottom - Area.Top > LayoutExtent[Parent].Y then LayoutExtent[Parent].Y := Place.Bottom - Area.Top;
      with LayoutRow[Row] do begin
        Reshaped[Row] := Reshaped[Row] or (PaintsPages and ((Place.Right - Place.Left <> Placed.Right - Placed.Left) or
          (Place.Bottom - Place.Top <> Placed.Bottom - Placed.Top)));
        if not EqualRect(Place, Placed) then begin
          if Window = 0 then begin
            InvalidateRect(hWindow, @Placed, True);
            InvalidateRect(hWindow, @Place, True);
          end else if Moves <> 0 then
            Moves := DeferWindowPos(Moves, Window, 0, Place.Left, Place.Top,
              Place.Right - Place.Left, Place.Bottom - Place.Top, SWP_NOZORDER or SWP_NOACTIVATE)
          else
            SetWindowPos(Window, 0, Place.Left, Place.Top, Place.Right - Place.Left,
              Place.Bottom - Place.Top, SWP_NOZORDER or SWP_NOACTIVATE);
          Placed := Place;
        end;
        SetRect(LayoutArea[Row], Placed.Left + Client.Left, Placed.Top + Client.Top,
          Placed.Right - Client.Right, Placed.Bottom - Client.Bottom);
        LayoutShrinkForBars(Row);
        SetRect(LayoutRoom[Row], LayoutArea[Row].Left + Padding.Left, LayoutArea[Row].Top + Padding.Top,
          LayoutArea[Row].Right - Padding.Right, LayoutArea[Row].Bottom - Padding.Bottom);
        OffsetRect(LayoutRoom[Row], -LayoutScrolled[Row].X, -LayoutScrolled[Row].Y);
        if Scrolls then IntersectRect(LayoutView[Row], LayoutView[Parent], LayoutArea[Row])
        else LayoutView[Row] := LayoutView[Parent];
        if Inside[Row] then LayoutClipWindow(Row);
      end;
    end;
    if Moves <> 0 then EndDeferWindowPos(Moves);
    if not LayoutScrollBars then Break;
    SetRect(Area, 0, 0, 0, 0);
    GetClientRect(hWindow, Area);
    ClientWidth := Area.Right;
    ClientHeight := Area.Bottom;
  end;
  for Row := 0 to LayoutCount - 1 do
    if Reshaped[Row] then
      with LayoutRow[Row] do LayoutPageHole(Window, Placed.Right - Placed.Left, Placed.Bottom - Placed.Top);
  LayoutBusy := False;
end;

{ Lays out again in the main window's client area as it is }
procedure LayoutWindow;
var
  Area: TRect;
begin
  GetClientRect(hWindow, Area);
  LayoutControls(Area.Right, Area.Bottom);
end;

{ Clips what the main window paints to the client area of the row }
procedure LayoutClip(DC: HDC; Row: Integer);
begin
  with LayoutArea[Row] do IntersectClipRect(DC, Left, Top, Right, Bottom);
end;

{ Raises Least, the window's least outer size, to what keeps every control
  that stretches with the window at least as large as nothing: a smaller
  window would squeeze such a control away, and its neighbours over it }
procedure LayoutLeastSize(var Least: TPoint);
var
  Index, Row, SlackX, SlackY: Integer;
  GrowsX, GrowsY: array[-1..LayoutCount - 1] of Boolean;
  Outer: TRect;
begin
  if not LayoutReady or IsIconic(hWindow) then Exit;
  GrowsX[-1] := True;
  GrowsY[-1] := True;
  SlackX := MaxInt;
  SlackY := MaxInt;
  for Index := 0 to LayoutCount - 1 do begin
    Row := LayoutOrder[Index];
    with LayoutRow[Row] do begin
      GrowsX[Row] := GrowsX[Parent] and ((Align in [1, 2, 5]) or
        ((Align in [0, 6]) and ((Anchors and 5) = 5)));
      GrowsY[Row] := GrowsY[Parent] and ((Align in [3, 4, 5]) or
        ((Align in [0, 6]) and ((Anchors and 10) = 10)));
      if GrowsX[Row] and (Placed.Right - Placed.Left < SlackX) then SlackX := Placed.Right - Placed.Left;
      if GrowsY[Row] and (Placed.Bottom - Placed.Top < SlackY) then SlackY := Placed.Bottom - Placed.Top;
    end;
  end;
  GetWindowRect(hWindow, Outer);
  if (SlackX < MaxInt) and (Outer.Right - Outer.Left - SlackX > Least.X) then
    Least.X := Outer.Right - Outer.Left - SlackX;
  if (SlackY < MaxInt) and (Outer.Bottom - Outer.Top - SlackY > Least.Y) then
    Least.Y := Outer.Bottom - Outer.Top - SlackY;
end;

{ The screen's resolution changed to Dpi: the rows are scaled again }
procedure LayoutDpiChanged(Dpi: Integer);
begin
  if Dpi <= 0 then Exit;
  if FormScaled then begin
    LayoutWidth := MulDiv(LayoutWidth, Dpi, ScreenDpi);
    LayoutHeight := MulDiv(LayoutHeight, Dpi, ScreenDpi);
  end;
  ScreenDpi := Dpi;
  ScaleLayout;
end;

{ The form's fonts at the screen's resolution, given to the windows that show them }
procedure CreateFonts;
var
  OldFonts: array[1..2] of HFONT;
  FontIndex: Integer;
begin
  OldFonts[1] := hFont1;
  OldFonts[2] := hFont2;
  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFontW(ScaleToScreen(-11),0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(Photo,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Badge,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(NameLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(NameEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CountLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CountEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CodeEdit,WM_SETFONT,hFont1,0);
  if hFont2 <> 0 then SendMessageW(GiftCheck,WM_SETFONT,hFont2,0);
  if hFont1 <> 0 then SendMessageW(ExpressCheck,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PaymentGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CardRadio,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(InvoiceRadio,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(OkButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CancelButton,WM_SETFONT,hFont1,0);
  for FontIndex := 1 to 2 do
    if OldFonts[FontIndex] <> 0 then DeleteObject(OldFonts[FontIndex]);
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
      Result := DefWindowProcW(hWindow, Message, wParam, lParam);
    end;
    WM_DRAWITEM: begin
      if PDrawItemStruct(lParam)^.hwndItem = OkButton then
        DrawGlyphButton(PDrawItemStruct(lParam)^, hOkButton, 16, 16, 0, 4, -1);
      if PDrawItemStruct(lParam)^.hwndItem = CancelButton then
        DrawGlyphButton(PDrawItemStruct(lParam)^, 0, 0, 0, 0, 4, -1);
      Result := 1;
    end;
    WM_GETMINMAXINFO: begin
      LayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);
    end;
    WM_SIZE: begin
      if wParam <> SIZE_MINIMIZED then LayoutControls(LoWord(lParam), HiWord(lParam));
    end;
    WM_DPICHANGED: begin
      LayoutDpiChanged(LoWord(wParam));
      CreateFonts;
      with PRect(lParam)^ do SetWindowPos(hWindow, 0, Left, Top, Right - Left, Bottom - Top, SWP_NOZORDER or SWP_NOACTIVATE);
      RedrawWindow(hWindow, nil, 0, RDW_INVALIDATE or RDW_ERASE or RDW_ALLCHILDREN);
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
  ReadScreenDpi;
  SetRect(WinRect, 0, 0, ScaleToScreen(352), ScaleToScreen(236));
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowExW(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Order',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a static image =========================================== }
  Photo:= CreateWindowExW(0, 'Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
          12,12,48,48, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessageW(Photo,STM_SETIMAGE,IMAGE_BITMAP,LParam(hPhoto));

  { Create a static image =========================================== }
  Badge:= CreateWindowExW(0, 'Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
          12,72,48,48, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessageW(Badge,STM_SETIMAGE,IMAGE_BITMAP,LParam(hBadge));

  { Create a label (static) ========================================= }
  NameLabel:= CreateWindowExW(0, 'Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
              76,16,70,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','Ada Lovelace', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
             160,12,180,21, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CountLabel:= CreateWindowExW(0, 'Static','Quantity:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
               76,44,70,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CountEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','2', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
              160,40,60,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CodeEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','internal code', WS_CHILD or WS_TABSTOP or ES_AUTOHSCROLL,
             228,40,112,21, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  GiftCheck:= CreateWindowExW(0, 'Button','Gift wrap',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              76,76,200,17, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  ExpressCheck:= CreateWindowExW(0, 'Button','Express delivery (sold out)',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP or WS_DISABLED,
                 76,100,200,17, hWindow, 0, Inst, nil);

  { Create a groupbox =============================================== }
  PaymentGroup:= CreateWindowExW(0, 'Button',' Payment ',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
                 76,128,264,56, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  CardRadio:= CreateWindowExW(0, 'Button','Card',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
              88,152,100,17, hWindow, 0, Inst, nil);
  SendMessageW(CardRadio,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  InvoiceRadio:= CreateWindowExW(0, 'Button','Invoice',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                 208,152,100,17, hWindow, 0, Inst, nil);

  { Create a bit button ============================================= }
  OkButton:= CreateWindowExW(0, 'Button','OK', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_OWNERDRAW,
             184,200,75,25, hWindow, IDOK, Inst, nil);

  { Create a bit button ============================================= }
  CancelButton:= CreateWindowExW(0, 'Button','Cancel', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_OWNERDRAW,
                 265,200,75,25, hWindow, IDCANCEL, Inst, nil);


  CreateFonts;


  { Every control where Align and Anchors put it, at the screen's resolution }
  ScaleLayout;
  LayoutRow[0].Window := Photo;
  LayoutRow[1].Window := Badge;
  LayoutRow[2].Window := NameLabel;
  LayoutRow[3].Window := NameEdit;
  LayoutRow[4].Window := CountLabel;
  LayoutRow[5].Window := CountEdit;
  LayoutRow[6].Window := CodeEdit;
  LayoutRow[7].Window := GiftCheck;
  LayoutRow[8].Window := ExpressCheck;
  LayoutRow[9].Window := PaymentGroup;
  LayoutRow[10].Window := CardRadio;
  LayoutRow[11].Window := InvoiceRadio;
  LayoutRow[12].Window := OkButton;
  LayoutRow[13].Window := CancelButton;
  LayoutReady := True;
  LayoutWindow;
  SetFocus(NameEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


