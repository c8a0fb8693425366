Program workbench ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    ToolBarButton: TTBButton;
    ToolBar1: HWND;
    EventsReady: Boolean = False;
    PaintRect: TRect;
    PaintBrush: HBRUSH;
    OkButton: HWND;
    CloseButton: HWND;
    PageControl1: HWND;
    TabItem: TC_ITEMW;
    NameLabel: HWND;
    CountLabel: HWND;
    DueLabel: HWND;
    NameEdit: HWND;
    CountEdit: HWND;
    CountUpDown: HWND;
    CommonClasses: TInitCommonControlsEx;
    PickerTime: TSystemTime;
    DuePicker: HWND;
    PriorityGroup: HWND;
    ListColumn: TLVColumnW;
    ListItem: TLVItemW;
    FilesView: HWND;
    TreeInsert: TTVInsertStructW;
    TreeNodes: array[0..63] of HTREEITEM;
    FolderTree: HWND;
    HiddenCheck: HWND;
    PageRect: TRect;
    PageRgn: HRGN;
    InsideRgn: HRGN;
    MainMenu1: HMENU;
    FileMenu: HMENU;
    ViewMenu: HMENU;
    HelpMenu: HMENU;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;
    hFont2: HFONT;

{ The screen's resolution ================================================ }
const
  FormPixelsPerInch = 96;
  FormScaled: Boolean = True;
  LayoutClientWidth: Integer = 600;
  LayoutClientHeight: Integer = 400;
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
  LayoutCount = 21;
  { Each row: its container's row (-1: the main window); Left, Top, Width and Height
    as designed in the container's client area; Align; Anchors; the margins, the
    client area's distances from its edges and the padding (left, top, right and
    bottom each); the row a splitter resizes and its least size; 1 for a tab window
    whose pages the main window paints; 1 for a scroll box whose content scrolls }
  LayoutDesign: array[0..20, 0..22] of Integer = (
    (-1, 0, 0, 600, 24, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 0: ToolBar1 }
    (-1, 0, 24, 600, 33, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 1: HeaderPanel }
    (-1, 0, 359, 600, 41, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, -1, 0, 0, 0), { 2: BottomPanel }
    (2, 436, 8, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 3: OkButton }
    (2, 517, 8, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 4: CloseButton }
    (-1, 0, 57, 600, 302, 5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 6, 6, 6, 6, -1, 0, 0, 0), { 5: ClientPanel }
    (5, 6, 6, 588, 290, 5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 1, 0), { 6: PageControl1 }
    (6, 4, 24, 580, 262, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 7: GeneralSheet }
    (7, 12, 16, 31, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 8: NameLabel }
    (7, 12, 48, 36, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 9: CountLabel }
    (7, 12, 80, 23, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 10: DueLabel }
    (7, 72, 12, 200, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 11: NameEdit }
    (7, 72, 44, 49, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 12: CountEdit }
    (7, 121, 44, 16, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 13: CountUpDown }
    (7, 72, 76, 200, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 14: DuePicker }
    (7, 300, 8, 185, 105, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2, 15, 2, 2, -1, 0, 0, 0), { 15: PriorityGroup }
    (6, 4, 24, 580, 262, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 16: FilesSheet }
    (16, 8, 8, 564, 246, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 17: FilesView }
    (6, 4, 24, 580, 262, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 18: FoldersSheet }
    (18, 8, 8, 250, 246, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 19: FolderTree }
    (18, 272, 8, 200, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0)  { 20: HiddenCheck }
  );
  { The order in which the rows are placed }
  LayoutOrder: array[0..20] of Integer = (
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
    16, 17, 18, 19, 20);

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
  hFont1 := CreateFontW(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');
  hFont2 := CreateFontW(ScaleToScreen(-13),0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(ToolBar1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(OkButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CloseButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PageControl1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(NameLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CountLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(DueLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(NameEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CountEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CountUpDown,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(DuePicker,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PriorityGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PriorityGroup,1),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PriorityGroup,2),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PriorityGroup,3),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(GetDlgItem(PriorityGroup,4),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(FilesView,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(FolderTree,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(HiddenCheck,WM_SETFONT,hFont1,0);
  for FontIndex := 1 to 2 do
    if OldFonts[FontIndex] <> 0 then DeleteObject(OldFonts[FontIndex]);
end;

{ What the handlers may use besides the Windows API: the mouse buttons,
  numbers as text, and the text, check mark, state and items of a control }
const
  mbLeft = 0;
  mbRight = 1;
  mbMiddle = 2;

function IntToStr(Value: Integer): string;
begin
  Str(Value, Result);
end;

function StrToIntDef(const Text: string; Default: Integer): Integer;
var
  Code: Integer;
begin
  Val(Text, Result, Code);
  if Code <> 0 then Result := Default;
end;

function ControlText(Control: HWND): string;
begin
  SetLength(Result, GetWindowTextLength(Control));
  if Length(Result) > 0 then
    SetLength(Result, GetWindowText(Control, PChar(Result), Length(Result) + 1));
end;

procedure SetControlText(Control: HWND; const Text: string);
begin
  SetWindowText(Control, PChar(Text));
end;

function IsChecked(Control: HWND): Boolean;
begin
  Result := SendMessage(Control, BM_GETCHECK, 0, 0) = BST_CHECKED;
end;

procedure SetChecked(Control: HWND; Checked: Boolean);
begin
  SendMessage(Control, BM_SETCHECK, Ord(Checked), 0);
end;

procedure SetEnabled(Control: HWND; Enabled: Boolean);
begin
  EnableWindow(Control, Enabled);
end;

{ Sends a list box ListMessage, a combo box ComboMessage }
function SendItems(Control: HWND; ListMessage, ComboMessage: UINT; W: WPARAM; L: LPARAM): LRESULT;
var
  Kind: array[0..15] of Char;
begin
  GetClassName(Control, Kind, SizeOf(Kind));
  if lstrcmpi(Kind, 'ComboBox') = 0 then
    Result := SendMessage(Control, ComboMessage, W, L)
  else
    Result := SendMessage(Control, ListMessage, W, L);
end;

procedure AddItem(Control: HWND; const Text: string);
begin
  SendItems(Control, LB_ADDSTRING, CB_ADDSTRING, 0, LPARAM(PChar(Text)));
end;

procedure ClearItems(Control: HWND);
begin
  SendItems(Control, LB_RESETCONTENT, CB_RESETCONTENT, 0, 0);
end;

function ItemCount(Control: HWND): Integer;
begin
  Result := SendItems(Control, LB_GETCOUNT, CB_GETCOUNT, 0, 0);
end;

function ItemIndex(Control: HWND): Integer;
begin
  Result := SendItems(Control, LB_GETCURSEL, CB_GETCURSEL, 0, 0);
end;

procedure SetItemIndex(Control: HWND; Index: Integer);
begin
  SendItems(Control, LB_SETCURSEL, CB_SETCURSEL, WPARAM(Index), 0);
end;

function ItemText(Control: HWND; Index: Integer): string;
begin
  SetLength(Result, SendItems(Control, LB_GETTEXTLEN, CB_GETLBTEXTLEN, WPARAM(Index), 0));
  if Length(Result) > 0 then
    SendItems(Control, LB_GETTEXT, CB_GETLBTEXT, WPARAM(Index), LPARAM(PChar(Result)));
end;

{ The handlers of the form's events: that file is yours, and vornic
  only ever appends the stubs of new handlers to it }
{$I workbench.events.inc}

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      InitCommonControls;
      CommonClasses.dwSize := SizeOf(CommonClasses);
      CommonClasses.dwICC := ICC_DATE_CLASSES;
      InitCommonControlsEx(CommonClasses);
    end;
    WM_COMMAND: begin
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 1) then FileNewClick(ToolBar1);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 2) then FileOpenClick(ToolBar1);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 3) then FileSaveClick(ToolBar1);
      if EventsReady and (HWND(lParam) = CloseButton) and (HiWord(wParam) = BN_CLICKED) then CloseButtonClick(CloseButton);
      if (lParam = 0) and (wParam = 40001) then FileNewClick(hWindow);
      if (lParam = 0) and (wParam = 40002) then FileOpenClick(hWindow);
      if (lParam = 0) and (wParam = 40003) then FileSaveClick(hWindow);
      if (lParam = 0) and (wParam = 40004) then FileExitClick(hWindow);
      if (lParam = 0) and (wParam = 40005) then ViewToolBarClick(hWindow);
      if (lParam = 0) and (wParam = 40007) then ViewRefreshClick(hWindow);
      if (lParam = 0) and (wParam = 40008) then HelpAboutClick(hWindow);
      exit;
    end;
    WM_GETMINMAXINFO: begin
      LayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);
    end;
    WM_NOTIFY: if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE then begin
      { Another tab was chosen: only the controls of chosen pages show }
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(NameLabel, SW_SHOW) else ShowWindow(NameLabel, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(CountLabel, SW_SHOW) else ShowWindow(CountLabel, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(DueLabel, SW_SHOW) else ShowWindow(DueLabel, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(NameEdit, SW_SHOW) else ShowWindow(NameEdit, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(CountEdit, SW_SHOW) else ShowWindow(CountEdit, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(CountUpDown, SW_SHOW) else ShowWindow(CountUpDown, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(DuePicker, SW_SHOW) else ShowWindow(DuePicker, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(PriorityGroup, SW_SHOW) else ShowWindow(PriorityGroup, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 1) then ShowWindow(FilesView, SW_SHOW) else ShowWindow(FilesView, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then ShowWindow(FolderTree, SW_SHOW) else ShowWindow(FolderTree, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then ShowWindow(HiddenCheck, SW_SHOW) else ShowWindow(HiddenCheck, SW_HIDE);
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
      { Paint panel: HeaderPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[1].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_INFOBK));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,0,128));
      DrawTextW(PaintDC,PWideChar('  Project Alpha: settings, files and folders'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_LEFT);
      RestoreDC(PaintDC,-1);
      { Paint panel: BottomPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[2].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_SUNKENOUTER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont1);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawTextW(PaintDC,PWideChar('  Ready'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_LEFT);
      RestoreDC(PaintDC,-1);
      { Paint panel: ClientPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[5].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      InflateRect(PaintRect,-6,-6);
      RestoreDC(PaintDC,-1);
      { Page GeneralSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then LayoutClip(PaintDC, 7) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page FilesSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 1) then LayoutClip(PaintDC, 16) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page FoldersSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then LayoutClip(PaintDC, 18) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      EventsReady := False;
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
  SetRect(WinRect, 0, 0, ScaleToScreen(600), ScaleToScreen(400));
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, True, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 140;
  WinTop := 100;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic workbench',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a tool bar =============================================== }
  ToolBar1:= CreateWindowExW(0, 'ToolbarWindow32','', WS_VISIBLE or WS_CHILD or WS_CLIPSIBLINGS or CCS_NORESIZE or CCS_NOPARENTALIGN or CCS_NODIVIDER or TBSTYLE_FLAT or TBSTYLE_LIST or TBSTYLE_WRAPABLE,
             0,0,600,24, hWindow, 0, Inst, nil);
  SendMessageW(ToolBar1,TB_BUTTONSTRUCTSIZE,SizeOf(TTBButton),0);
  SendMessageW(ToolBar1,TB_SETBUTTONSIZE,0,MakeLong(52,22));

  { Add the buttons of ToolBar1 }
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 1;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PWideChar('New'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 2;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PWideChar('Open'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 3;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PWideChar('Save'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 8;
  ToolBarButton.idCommand := 4;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_SEP;
  ToolBarButton.iString := 0;
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 5;
  ToolBarButton.fsState := TBSTATE_ENABLED or TBSTATE_CHECKED;
  ToolBarButton.fsStyle := BTNS_CHECK;
  ToolBarButton.iString := INT_PTR(PWideChar('Grid'));
  SendMessageW(ToolBar1,TB_ADDBUTTONSW,1,LParam(@ToolBarButton));

  { Create a button ================================================= }
  OkButton:= CreateWindowExW(0, 'Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
             436,367,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CloseButton:= CreateWindowExW(0, 'Button','Close',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                517,367,75,25, hWindow, IDCANCEL, Inst, nil);

  { Create a tab control ============================================ }
  PageControl1:= CreateWindowExW(0, 'SysTabControl32','',WS_VISIBLE or WS_CHILD or WS_TABSTOP,
                 6,63,588,290, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('General');
  SendMessageW(PageControl1, TCM_INSERTITEMW, 0, LParam(@TabItem));

  { Create a label (static) ========================================= }
  NameLabel:= CreateWindowExW(0, 'Static','&Name:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
              22,103,31,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CountLabel:= CreateWindowExW(0, 'Static','&Copies:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
               22,135,36,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  DueLabel:= CreateWindowExW(0, 'Static','&Due:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
             22,167,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','on the first sheet', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
             82,99,200,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CountEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','3', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
              82,131,49,21, hWindow, 0, Inst, nil);

  { Create an up-down =============================================== }
  CountUpDown:= CreateWindowExW(0, 'msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT or UDS_ARROWKEYS,
                131,131,16,21, hWindow, 0, Inst, nil);
  SetWindowPos(CountUpDown,0,0,0,16,21,SWP_NOMOVE or SWP_NOZORDER);
  InvalidateRect(CountUpDown,nil,True);
  SendMessageW(CountUpDown,UDM_SETRANGE32,1,20);
  SendMessageW(CountUpDown,UDM_SETPOS32,0,3);

  { Create a date and time picker =================================== }
  DuePicker:= CreateWindowExW(0, 'SysDateTimePick32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or DTS_SHORTDATEFORMAT,
              82,163,200,21, hWindow, 0, Inst, nil);
  { show the stored date }
  PickerTime.wYear := 2024; PickerTime.wMonth := 4; PickerTime.wDay := 1; PickerTime.wDayOfWeek := 1;
  PickerTime.wHour := 9; PickerTime.wMinute := 0; PickerTime.wSecond := 0; PickerTime.wMilliseconds := 0;
  SendMessageW(DuePicker,DTM_SETSYSTEMTIME,GDT_VALID,LParam(@PickerTime));

  { Create a radio group ============================================ }
  PriorityGroup:= CreateWindowExW(WS_EX_CONTROLPARENT, 'Button','Priority', WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
                  310,95,185,105, hWindow, 0, Inst, nil);
  CreateWindowExW(0, 'Button','Low', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_GROUP,
    8,15,175,21, PriorityGroup, 1, Inst, nil);
  CreateWindowExW(0, 'Button','Normal', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
    8,36,175,21, PriorityGroup, 2, Inst, nil);
  CreateWindowExW(0, 'Button','High', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,57,175,21, PriorityGroup, 3, Inst, nil);
  CreateWindowExW(0, 'Button','Urgent', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,78,175,21, PriorityGroup, 4, Inst, nil);
  SendMessageW(GetDlgItem(PriorityGroup,2),BM_SETCHECK,1,0);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Files');
  SendMessageW(PageControl1, TCM_INSERTITEMW, 1, LParam(@TabItem));

  { Create a list view ============================================== }
  FilesView:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysListView32','', WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL,
              18,95,564,246, hWindow, 0, Inst, nil);
  SendMessageW(FilesView,LVM_SETEXTENDEDLISTVIEWSTYLE,0,LVS_EX_GRIDLINES or LVS_EX_FULLROWSELECT);
  { add columns to list view }
  ListColumn.mask := LVCF_TEXT or LVCF_WIDTH or LVCF_FMT;
  ListColumn.fmt := LVCFMT_LEFT; ListColumn.cx := 260; ListColumn.pszText := PWideChar('Name');
  SendMessageW(FilesView,LVM_INSERTCOLUMNW,0,LParam(@ListColumn));
  ListColumn.fmt := LVCFMT_RIGHT; ListColumn.cx := 90; ListColumn.pszText := PWideChar('Size');
  SendMessageW(FilesView,LVM_INSERTCOLUMNW,1,LParam(@ListColumn));
  ListColumn.fmt := LVCFMT_LEFT; ListColumn.cx := 120; ListColumn.pszText := PWideChar('Modified');
  SendMessageW(FilesView,LVM_INSERTCOLUMNW,2,LParam(@ListColumn));
  { add items to list view }
  ListItem.mask := LVIF_TEXT;
  ListItem.iItem := 0; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('plan.txt');
  SendMessageW(FilesView,LVM_INSERTITEMW,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('4 KB');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,0,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PWideChar('2024-04-02');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,0,LParam(@ListItem));
  ListItem.iItem := 1; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('budget.xls');
  SendMessageW(FilesView,LVM_INSERTITEMW,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('38 KB');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,1,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PWideChar('2024-03-28');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,1,LParam(@ListItem));
  ListItem.iItem := 2; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('logo.bmp');
  SendMessageW(FilesView,LVM_INSERTITEMW,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('112 KB');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,2,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PWideChar('2024-03-15');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,2,LParam(@ListItem));
  ListItem.iItem := 3; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('notes.doc');
  SendMessageW(FilesView,LVM_INSERTITEMW,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('21 KB');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,3,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PWideChar('2024-04-01');
  SendMessageW(FilesView,LVM_SETITEMTEXTW,3,LParam(@ListItem));

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Folders');
  SendMessageW(PageControl1, TCM_INSERTITEMW, 2, LParam(@TabItem));

  { Create a tree view ============================================== }
  FolderTree:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysTreeView32','', WS_CHILD or WS_TABSTOP or TVS_HASLINES or TVS_HASBUTTONS or TVS_LINESATROOT or TVS_EDITLABELS,
               18,95,250,246, hWindow, 0, Inst, nil);
  SendMessageW(FolderTree,TVM_SETINDENT,19,0);
  { add items to tree view }
  TreeInsert.hInsertAfter := TVI_LAST; TreeInsert.item.mask := TVIF_TEXT;
  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PWideChar('Projects');
  TreeNodes[0] := HTREEITEM(SendMessageW(FolderTree,TVM_INSERTITEMW,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PWideChar('Alpha');
  TreeNodes[1] := HTREEITEM(SendMessageW(FolderTree,TVM_INSERTITEMW,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[1]; TreeInsert.item.pszText := PWideChar('Documents');
  SendMessageW(FolderTree,TVM_INSERTITEMW,0,LParam(@TreeInsert));
  TreeInsert.hParent := TreeNodes[1]; TreeInsert.item.pszText := PWideChar('Source');
  SendMessageW(FolderTree,TVM_INSERTITEMW,0,LParam(@TreeInsert));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PWideChar('Beta');
  SendMessageW(FolderTree,TVM_INSERTITEMW,0,LParam(@TreeInsert));
  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PWideChar('Archive');
  TreeNodes[0] := HTREEITEM(SendMessageW(FolderTree,TVM_INSERTITEMW,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PWideChar('2023');
  SendMessageW(FolderTree,TVM_INSERTITEMW,0,LParam(@TreeInsert));

  { Create a checkbox =============================================== }
  HiddenCheck:= CreateWindowExW(0, 'Button','Show hidden folders',WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                282,95,200,17, hWindow, 0, Inst, nil);

  { Create the menu bar ============================================= }
  MainMenu1 := CreateMenu;
  FileMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, FileMenu, '&File');
  AppendMenuW(FileMenu, MF_STRING, 40001, '&New'#9'Ctrl+N');
  AppendMenuW(FileMenu, MF_STRING, 40002, '&Open...'#9'Ctrl+O');
  AppendMenuW(FileMenu, MF_STRING, 40003, '&Save'#9'Ctrl+S');
  AppendMenuW(FileMenu, MF_SEPARATOR, 0, nil);
  AppendMenuW(FileMenu, MF_STRING, 40004, 'E&xit'#9'Alt+F4');
  ViewMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, ViewMenu, '&View');
  AppendMenuW(ViewMenu, MF_STRING or MF_CHECKED, 40005, '&Tool bar');
  AppendMenuW(ViewMenu, MF_STRING or MF_CHECKED, 40006, '&Grid lines'#9'Ctrl+G');
  AppendMenuW(ViewMenu, MF_STRING, 40007, '&Refresh'#9'F5');
  HelpMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, HelpMenu, '&Help');
  AppendMenuW(HelpMenu, MF_STRING, 40008, '&About...');
  SetMenu(hWindow, MainMenu1);


  { Tab order as the form gives it }
  SetWindowPos(PageControl1, ToolBar1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(NameEdit, PageControl1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(CountEdit, NameEdit, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(DuePicker, CountEdit, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(FilesView, DuePicker, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(FolderTree, FilesView, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(HiddenCheck, FolderTree, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(OkButton, HiddenCheck, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(CloseButton, OkButton, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);

  SendMessageW(CountUpDown,UDM_SETBUDDY,CountEdit,0);

  CreateFonts;


  TabCtrl_SetCurSel(PageControl1, 0);
  { The main window paints the inside of the pages of PageControl1 }
  SetRect(PageRect, 0, 0, 588, 290);
  TabCtrl_AdjustRect(PageControl1, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 588, 290);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(PageControl1, PageRgn, False);
  { Every control where Align and Anchors put it, at the screen's resolution }
  ScaleLayout;
  LayoutRow[0].Window := ToolBar1;
  LayoutRow[3].Window := OkButton;
  LayoutRow[4].Window := CloseButton;
  LayoutRow[6].Window := PageControl1;
  LayoutRow[8].Window := NameLabel;
  LayoutRow[9].Window := CountLabel;
  LayoutRow[10].Window := DueLabel;
  LayoutRow[11].Window := NameEdit;
  LayoutRow[12].Window := CountEdit;
  LayoutRow[13].Window := CountUpDown;
  LayoutRow[14].Window := DuePicker;
  LayoutRow[15].Window := PriorityGroup;
  LayoutRow[17].Window := FilesView;
  LayoutRow[19].Window := FolderTree;
  LayoutRow[20].Window := HiddenCheck;
  LayoutReady := True;
  LayoutWindow;
  { From here on the handlers of the form's events run }
  EventsReady := True;
  SetFocus(PageControl1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


