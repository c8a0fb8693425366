Program behaviour ;

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
    PaintRect: TRect;
    OldFont: HFONT;
    TextRect: TRect;
    Key_1: HWND;
    hKey_1: HBITMAP;
    UserLabel: HWND;
    UserEdit: HWND;
    PasswordLabel: HWND;
    PasswordEdit: HWND;
    PinLabel: HWND;
    PinEdit: HWND;
    ServerLabel: HWND;
    ColorBrush1: HBRUSH;
    ServerEdit: HWND;
    PaintBrush: HBRUSH;
    Pages: HWND;
    PagesShift: TPoint;
    TabItem: TC_ITEMW;
    RememberCheck: HWND;
    NotesMemo: HWND;
    ProxyList: HWND;
    PageRect: TRect;
    PageRgn: HRGN;
    InsideRgn: HRGN;
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

{ The screen's resolution ================================================ }
const
  FormPixelsPerInch = 96;
  FormScaled: Boolean = True;
  LayoutClientWidth: Integer = 400;
  LayoutClientHeight: Integer = 346;
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
  LayoutCount = 25;
  { Each row: its container's row (-1: the main window); Left, Top, Width and Height
    as designed in the container's client area; Align; Anchors; the margins, the
    client area's distances from its edges and the padding (left, top, right and
    bottom each); the row a splitter resizes and its least size; 1 for a tab window
    whose pages the main window paints; 1 for a scroll box whose content scrolls }
  LayoutDesign: array[0..24, 0..22] of Integer = (
    (-1, 0, 0, 400, 48, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 0: Banner }
    (-1, 2, 2, 400, 48, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 1: TitleShadow }
    (-1, 0, 0, 400, 48, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 2: Title }
    (-1, 12, 60, 24, 24, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 3: Key }
    (-1, 48, 64, 80, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 4: UserLabel }
    (-1, 136, 60, 160, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 5: UserEdit }
    (-1, 48, 92, 80, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 6: PasswordLabel }
    (-1, 136, 88, 160, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 7: PasswordEdit }
    (-1, 48, 120, 80, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 8: PinLabel }
    (-1, 136, 116, 64, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 9: PinEdit }
    (-1, 48, 148, 80, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 10: ServerLabel }
    (-1, 136, 144, 252, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 11: ServerEdit }
    (-1, 304, 56, 84, 81, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 12: HintPanel }
    (12, 4, 4, 76, 73, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 13: HintLabel }
    (-1, 12, 176, 376, 128, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 1, 0), { 14: Pages }
    (14, 4, 24, 368, 100, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 15: AccountSheet }
    (15, 8, 8, 200, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 16: RememberCheck }
    (14, 4, 24, 368, 100, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 17: NotesSheet }
    (17, 4, 4, 360, 50, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 18: NotesMemo }
    (14, 4, 24, 368, 100, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 19: ProxySheet }
    (19, 4, 4, 180, 50, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 20: ProxyList }
    (14, 4, 24, 368, 100, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 21: HistorySheet }
    (21, 4, 36, 360, 20, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 22: HistoryLabel }
    (-1, 232, 312, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 23: SignInButton }
    (-1, 313, 312, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0)  { 24: CancelButton }
  );
  { The order in which the rows are placed }
  LayoutOrder: array[0..24] of Integer = (
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
    16, 17, 18, 19, 20, 21, 22, 23, 24);

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
  hFont1 := CreateFontW(ScaleToScreen(-19),0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFontW(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessageW(Key_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(UserLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(UserEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(PasswordLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(PasswordEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(PinLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(PinEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(ServerLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(ServerEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(Pages,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(RememberCheck,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(NotesMemo,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(ProxyList,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(SignInButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(CancelButton,WM_SETFONT,hFont2,0);
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
      hKey_1 := LoadBitmap(Inst,PChar('BMP_Key_1'));
      ColorBrush1 := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      InitCommonControls;
      { Create Pens }
      Pen1 := CreatePen(PS_NULL,1,RGB(0,0,0));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(0,128,128));
    end;
    WM_COMMAND: begin
      exit;
    end;
    WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN: begin
      if HWND(lParam) = ServerEdit then begin
        SetTextColor(HDC(wParam),GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(HDC(wParam),GetSysColor(COLOR_BTNFACE));
        Result := Integer(ColorBrush1);
        Exit;
      end;
      Result := DefWindowProcW(hWindow, Message, wParam, lParam);
    end;
    WM_GETMINMAXINFO: begin
      LayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);
    end;
    WM_NOTIFY: if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE then begin
      { Another tab was chosen: only the controls of chosen pages show }
      if (TabCtrl_GetCurSel(Pages) = 0) then ShowWindow(RememberCheck, SW_SHOW) else ShowWindow(RememberCheck, SW_HIDE);
      if (TabCtrl_GetCurSel(Pages) = 1) then ShowWindow(NotesMemo, SW_SHOW) else ShowWindow(NotesMemo, SW_HIDE);
      if (TabCtrl_GetCurSel(Pages) = 2) then ShowWindow(ProxyList, SW_SHOW) else ShowWindow(ProxyList, SW_HIDE);
      InvalidateRect(hWindow, nil, True);
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
    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Create shape: Banner }
      PaintRect := LayoutRow[0].Placed;
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Rectangle(PaintDC,PaintRect.Left,PaintRect.Top,PaintRect.Right,PaintRect.Bottom);
      { Paint label: TitleShadow }
      PaintRect := LayoutRow[1].Placed;
      OldFont := SelectObject(PaintDC,hFont1);
      TextRect := PaintRect;
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,TextRect,DT_EXPANDTABS or DT_CENTER or DT_CALCRECT);
      OffsetRect(PaintRect,0,(PaintRect.Bottom - TextRect.Bottom) div 2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,0,0));
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,PaintRect,DT_EXPANDTABS or DT_CENTER);
      SelectObject(PaintDC,OldFont);
      { Paint label: Title }
      PaintRect := LayoutRow[2].Placed;
      OldFont := SelectObject(PaintDC,hFont1);
      TextRect := PaintRect;
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,TextRect,DT_EXPANDTABS or DT_CENTER or DT_CALCRECT);
      OffsetRect(PaintRect,0,(PaintRect.Bottom - TextRect.Bottom) div 2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(255,255,255));
      DrawTextW(PaintDC,PWideChar(WideString('Welcome back')),-1,PaintRect,DT_EXPANDTABS or DT_CENTER);
      SelectObject(PaintDC,OldFont);
      { Paint panel: HintPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[12].Placed;
      PaintBrush := CreateSolidBrush(RGB(255,255,224));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      RestoreDC(PaintDC,-1);
      { Paint label: HintLabel }
      PaintRect := LayoutRow[13].Placed;
      OldFont := SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,64,128));
      DrawTextW(PaintDC,PWideChar(WideString('The PIN takes digits only; the user name is kept in lower case.')),-1,PaintRect,DT_EXPANDTABS or DT_LEFT or DT_WORDBREAK);
      SelectObject(PaintDC,OldFont);
      { Page AccountSheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(Pages) = 0) then LayoutClip(PaintDC, 15) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page NotesSheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(Pages) = 1) then LayoutClip(PaintDC, 17) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page ProxySheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(Pages) = 2) then LayoutClip(PaintDC, 19) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page HistorySheet of Pages: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(Pages) = 3) then LayoutClip(PaintDC, 21) else IntersectClipRect(PaintDC,0,0,0,0);
      { Paint label: HistoryLabel }
      PaintRect := LayoutRow[22].Placed;
      FillRect(PaintDC,PaintRect,ColorBrush1);
      OldFont := SelectObject(PaintDC,hFont2);
      TextRect := PaintRect;
      DrawTextW(PaintDC,PWideChar(WideString('No sign-in recorded yet')),-1,TextRect,DT_EXPANDTABS or DT_CENTER or DT_CALCRECT);
      OffsetRect(PaintRect,0,PaintRect.Bottom - TextRect.Bottom);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawTextW(PaintDC,PWideChar(WideString('No sign-in recorded yet')),-1,PaintRect,DT_EXPANDTABS or DT_CENTER);
      SelectObject(PaintDC,OldFont);
      RestoreDC(PaintDC, -1);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      DeleteObject(hKey_1);
      DeleteObject(ColorBrush1);
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
  SetRect(WinRect, 0, 0, ScaleToScreen(400), ScaleToScreen(346));
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowExW(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Sign in',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a static image =========================================== }
  Key_1:= CreateWindowExW(0, 'Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
          12,60,24,24, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessageW(Key_1,STM_SETIMAGE,IMAGE_BITMAP,LParam(hKey_1));

  { Create a label (static) ========================================= }
  UserLabel:= CreateWindowExW(0, 'Static','User name:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
              48,64,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  UserEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','ada', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_LOWERCASE,
             136,60,160,21, hWindow, 0, Inst, nil);
  SendMessageW(UserEdit, EM_LIMITTEXT, 20, 0);

  { Create a label (static) ========================================= }
  PasswordLabel:= CreateWindowExW(0, 'Static','Password:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
                  48,92,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  PasswordEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','secret', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_PASSWORD,
                 136,88,160,21, hWindow, 0, Inst, nil);
  SendMessageW(PasswordEdit, EM_SETPASSWORDCHAR, 42, 0);

  { Create a label (static) ========================================= }
  PinLabel:= CreateWindowExW(0, 'Static','PIN:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
             48,120,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  PinEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','1234', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_RIGHT or ES_NUMBER,
            136,116,64,21, hWindow, 0, Inst, nil);
  SendMessageW(PinEdit, EM_LIMITTEXT, 6, 0);

  { Create a label (static) ========================================= }
  ServerLabel:= CreateWindowExW(0, 'Static','Server:', WS_VISIBLE or WS_CHILD or SS_RIGHT,
                48,148,80,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  ServerEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','sign-in.example.org (fixed)', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_READONLY,
               136,144,252,21, hWindow, 0, Inst, nil);

  { Create a tab control ============================================ }
  Pages:= CreateWindowExW(0, 'SysTabControl32','',WS_VISIBLE or WS_CHILD or WS_TABSTOP or TCS_MULTILINE,
          12,176,376,128, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Account settings');
  SendMessageW(Pages, TCM_INSERTITEMW, 0, LParam(@TabItem));

  { Create a checkbox =============================================== }
  RememberCheck:= CreateWindowExW(0, 'Button','Remember me on this computer',WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                  24,208,200,17, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Notes for the administrator');
  SendMessageW(Pages, TCM_INSERTITEMW, 1, LParam(@TabItem));

  { Create a memo =================================================== }
  NotesMemo:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or
              ES_MULTILINE or ES_AUTOVSCROLL or ES_WANTRETURN or ES_AUTOHSCROLL or WS_HSCROLL or WS_VSCROLL or WS_TABSTOP,
              20,204,360,50, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessageW(NotesMemo,WM_SETTEXT, 0, lParam(PWideChar('Without word wrap a long line runs on past the right edge of'+#13#10+'the memo, and its scroll bars show it.')));

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Proxy server');
  SendMessageW(Pages, TCM_INSERTITEMW, 2, LParam(@TabItem));

  { Create a listbox ================================================ }
  ProxyList:= CreateWindowExW(0, 'listbox', 'listbox' ,WS_CHILD or LBS_NOTIFY or WS_VSCROLL or WS_BORDER or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
              20,204,180,50, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessageW(ProxyList,LB_ADDSTRING , 0 ,LParam(PWideChar('direct')) );
  SendMessageW(ProxyList,LB_ADDSTRING , 0 ,LParam(PWideChar('system proxy')) );

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Sign-in history');
  SendMessageW(Pages, TCM_INSERTITEMW, 3, LParam(@TabItem));

  { Create a button ================================================= }
  SignInButton:= CreateWindowExW(0, 'Button','Sign in',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
                 232,312,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindowExW(0, 'Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 313,312,75,25, hWindow, IDCANCEL, Inst, nil);


  CreateFonts;


  TabCtrl_SetCurSel(Pages, 1);
  { The main window paints the inside of the pages of Pages }
  SetRect(PageRect, 0, 0, 376, 128);
  TabCtrl_AdjustRect(Pages, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 376, 128);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(Pages, PageRgn, False);
  { What the pages of Pages hold starts below every row of tabs }
  if TabCtrl_GetRowCount(Pages) > 1 then begin
    PagesShift.Y := PageRect.Top - 24;
  end;
  { Every control where Align and Anchors put it, at the screen's resolution }
  ScaleLayout;
  LayoutRow[3].Window := Key_1;
  LayoutRow[4].Window := UserLabel;
  LayoutRow[5].Window := UserEdit;
  LayoutRow[6].Window := PasswordLabel;
  LayoutRow[7].Window := PasswordEdit;
  LayoutRow[8].Window := PinLabel;
  LayoutRow[9].Window := PinEdit;
  LayoutRow[10].Window := ServerLabel;
  LayoutRow[11].Window := ServerEdit;
  LayoutRow[14].Window := Pages;
  LayoutRow[16].Window := RememberCheck;
  LayoutRow[18].Window := NotesMemo;
  LayoutRow[20].Window := ProxyList;
  LayoutRow[23].Window := SignInButton;
  LayoutRow[24].Window := CancelButton;
  with LayoutRow[15] do begin Inc(Left, PagesShift.X); Inc(Top, PagesShift.Y); Dec(Width, PagesShift.X); Dec(Height, PagesShift.Y); end;
  with LayoutRow[17] do begin Inc(Left, PagesShift.X); Inc(Top, PagesShift.Y); Dec(Width, PagesShift.X); Dec(Height, PagesShift.Y); end;
  with LayoutRow[19] do begin Inc(Left, PagesShift.X); Inc(Top, PagesShift.Y); Dec(Width, PagesShift.X); Dec(Height, PagesShift.Y); end;
  with LayoutRow[21] do begin Inc(Left, PagesShift.X); Inc(Top, PagesShift.Y); Dec(Width, PagesShift.X); Dec(Height, PagesShift.Y); end;
  LayoutReady := True;
  LayoutWindow;
  SetFocus(UserEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


