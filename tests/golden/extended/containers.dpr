Program containers ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    PaintRect: TRect;
    PaintBrush: HBRUSH;
    OkButton: HWND;
    CancelButton: HWND;
    KindLabel: HWND;
    FirstRadio: HWND;
    SecondRadio: HWND;
    PageControl1: HWND;
    TabItem: TC_ITEMW;
    NameLabel: HWND;
    NameEdit: HWND;
    AutoCheck: HWND;
    PaintStep: Integer;
    ColorBrush1: HBRUSH;
    OldFont: HFONT;
    PeriodTabs: HWND;
    PageRect: TRect;
    PageRgn: HRGN;
    InsideRgn: HRGN;
    PeriodMemo: HWND;
    NeverButton: HWND;
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
  LayoutClientWidth: Integer = 560;
  LayoutClientHeight: Integer = 360;
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
  LayoutCount = 23;
  { The form's own content scrolls when it does not fit }
  FormScrolls = False;
  { Each row: its container's row (-1: the main window); Left, Top, Width and Height
    as designed in the container's client area; Align; Anchors; the margins, the
    client area's distances from its edges and the padding (left, top, right and
    bottom each); the row a splitter resizes and its least size; 1 for a tab window
    whose pages the main window paints; 1 for a scroll box whose content scrolls }
  LayoutDesign: array[0..22, 0..22] of Integer = (
    (-1, 0, 0, 560, 41, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, -1, 0, 0, 0), { 0: TopPanel }
    (-1, 0, 319, 560, 41, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, -1, 0, 0, 0), { 1: BottomPanel }
    (1, 396, 8, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 2: OkButton }
    (1, 477, 8, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 3: CancelButton }
    (-1, 0, 41, 150, 278, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, -1, 0, 0, 0), { 4: LeftPanel }
    (4, 4, 4, 142, 270, 5, 3, 0, 0, 0, 0, 2, 2, 2, 2, 0, 0, 0, 0, -1, 0, 0, 1), { 5: ScrollBox1 }
    (5, 8, 8, 30, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 6: KindLabel }
    (5, 8, 28, 113, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 7: FirstRadio }
    (5, 8, 52, 113, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 8: SecondRadio }
    (-1, 150, 41, 410, 278, 5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 1, 0), { 9: PageControl1 }
    (9, 4, 24, 402, 250, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 10: EditSheet }
    (10, 8, 12, 31, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 11: NameLabel }
    (10, 64, 8, 200, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 12: NameEdit }
    (10, 64, 44, 41, 41, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 13: Marker }
    (9, 4, 24, 402, 250, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 14: OptionsSheet }
    (14, 8, 8, 200, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 15: AutoCheck }
    (14, 8, 36, 240, 120, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 6, 6, 6, 6, -1, 0, 0, 0), { 16: BevelPanel }
    (16, 12, 12, 120, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 17: NoteLabel }
    (9, 4, 24, 402, 250, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 18: PeriodSheet }
    (18, 8, 8, 385, 200, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 19: PeriodTabs }
    (19, 12, 32, 361, 156, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 20: PeriodMemo }
    (9, 4, 24, 402, 250, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 21: HiddenSheet }
    (21, 8, 8, 120, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0)  { 22: NeverButton }
  );
  { The order in which the rows are placed }
  LayoutOrder: array[0..22] of Integer = (
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
    16, 17, 18, 19, 20, 21, 22);

{ Whether the scroll box of Row shows: one on pages while they are chosen }
function LayoutRowShows(Row: Integer): Boolean;
begin
  Result := True;
end;

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

var
  { The scroll bars of each scroll box, horizontal and vertical; 0 until needed }
  LayoutBar: array[0..LayoutCount - 1, 0..1] of HWND;
  { Windows hidden as they lie wholly outside their scroll box }
  LayoutClippedAway: array[0..LayoutCount - 1] of Boolean;

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


{ True when the scroll bar of the main window (Row -1) or of a scroll box
  shows: Kind 0 the horizontal, 1 the vertical }
function LayoutBarShown(Row, Kind: Integer): Boolean;
begin
  if Row < 0 then
    if Kind = 0 then Result := (GetWindowLong(hWindow, GWL_STYLE) and WS_HSCROLL) <> 0
    else Result := (GetWindowLong(hWindow, GWL_STYLE) and WS_VSCROLL) <> 0
  else
    Result := (LayoutBar[Row, Kind] <> 0) and ((GetWindowLong(LayoutBar[Row, Kind], GWL_STYLE) and WS_VISIBLE) <> 0);
end;

{ A scroll box's bars take their room from its client area }
procedure LayoutShrinkForBars(Row: Integer);
begin
  if not LayoutRow[Row].Scrolls then Exit;
  if LayoutBarShown(Row, 1) then Dec(LayoutArea[Row].Right, GetSystemMetrics(SM_CXVSCROLL));
  if LayoutBarShown(Row, 0) then Dec(LayoutArea[Row].Bottom, GetSystemMetrics(SM_CYHSCROLL));
end;

{ A window in a scroll box shows only what lies inside it: a window region
  clips it, and one wholly outside is hidden until it comes back }
procedure LayoutClipWindow(Row: Integer);
var
  Shown: TRect;
  Scroller: Integer;
begin
  with LayoutRow[Row] do begin
    if (Window = 0) or PaintsPages then Exit;
    if not IntersectRect(Shown, Placed, LayoutView[Parent]) then begin
      if (GetWindowLong(Window, GWL_STYLE) and WS_VISIBLE) <> 0 then begin
        ShowWindow(Window, SW_HIDE);
        LayoutClippedAway[Row] := True;
      end;
      Exit;
    end;
    if LayoutClippedAway[Row] then begin
      { Back inside: it shows again where its scroll box shows }
      Scroller := Parent;
      while not LayoutRow[Scroller].Scrolls do Scroller := LayoutRow[Scroller].Parent;
      if LayoutRowShows(Scroller) then begin
        ShowWindow(Window, SW_SHOWNA);
        LayoutClippedAway[Row] := False;
      end;
    end;
    if EqualRect(Shown, Placed) then SetWindowRgn(Window, 0, True)
    else begin
      OffsetRect(Shown, -Placed.Left, -Placed.Top);
      SetWindowRgn(Window, CreateRectRgnIndirect(Shown), True);
    end;
  end;
end;

{ Shows the scroll bars that the content of the main window (when the form
  scrolls) and of each scroll box needs, and keeps how far it is scrolled
  within them; True when a bar came or went or the content moved, so that
  the rows are placed again }
function LayoutScrollBars: Boolean;
var
  Row, Kind, Reach, Size, Most, Position: Integer;
  Needed: Boolean;
  BarRect: TRect;
  BarInfo: TScrollInfo;
begin
  Result := False;
  for Row := -1 to LayoutCount - 1 do begin
    if Row < 0 then begin
      if not FormScrolls then Continue;
    end else if not LayoutRow[Row].Scrolls then Continue;
    for Kind := 0 to 1 do begin
      if Kind = 0 then begin
        Reach := LayoutExtent[Row].X;
        Size := LayoutArea[Row].Right - LayoutArea[Row].Left;
        Position := LayoutScrolled[Row].X;
      end else begin
        Reach := LayoutExtent[Row].Y;
        Size := LayoutArea[Row].Bottom - LayoutArea[Row].Top;
        Position := LayoutScrolled[Row].Y;
      end;
      if Size < 0 then Size := 0;
      Needed := (Reach > Size) and ((Row < 0) or LayoutRowShows(Row));
      Most := Reach - Size;
      if Most < 0 then Most := 0;
      if Position > Most then begin
        Position := Most;
        if Kind = 0 then LayoutScrolled[Row].X := Most else LayoutScrolled[Row].Y := Most;
        Result := True;
      end;
      if Needed <> LayoutBarShown(Row, Kind) then Result := True;
      BarInfo.cbSize := SizeOf(BarInfo);
      BarInfo.fMask := SIF_RANGE or SIF_PAGE or SIF_POS;
      BarInfo.nMin := 0;
      BarInfo.nMax := Reach - 1;
      BarInfo.nPage := Size;
      BarInfo.nPos := Position;
      if not Needed then BarInfo.nMax := 0;
      if Row < 0 then
        SetScrollInfo(hWindow, Kind, BarInfo, True)
      else if Needed or (LayoutBar[Row, Kind] <> 0) then begin
        if LayoutBar[Row, Kind] = 0 then
          LayoutBar[Row, Kind] := CreateWindowExW(0, 'ScrollBar', '', WS_CHILD or Kind, 0, 0, 0, 0,
            hWindow, 0, Inst, nil);
        with LayoutRow[Row] do
          SetRect(BarRect, Placed.Left + Client.Left, Placed.Top + Client.Top, Placed.Right - Client.Right,
            Placed.Bottom - Client.Bottom);
        if Kind = 0 then begin
          BarRect.Top := BarRect.Bottom - GetSystemMetrics(SM_CYHSCROLL);
          if LayoutBarShown(Row, 1) or (LayoutExtent[Row].Y > BarRect.Top - LayoutArea[Row].Top) then
            Dec(BarRect.Right, GetSystemMetrics(SM_CXVSCROLL));
        end else begin
          BarRect.Left := BarRect.Right - GetSystemMetrics(SM_CXVSCROLL);
          if LayoutBarShown(Row, 0) then Dec(BarRect.Bottom, GetSystemMetrics(SM_CYHSCROLL));
        end;
        SetScrollInfo(LayoutBar[Row, Kind], SB_CTL, BarInfo, True);
        if Needed then
          SetWindowPos(LayoutBar[Row, Kind], HWND_TOP, BarRect.Left, BarRect.Top, BarRect.Right - BarRect.Left,
            BarRect.Bottom - BarRect.Top, SWP_NOACTIVATE or SWP_SHOWWINDOW)
        else
          ShowWindow(LayoutBar[Row, Kind], SW_HIDE);
      end;
    end;
  end;
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

{ A scroll bar of the main window (BarWindow 0) or of a scroll box was moved by
  Code: the content follows it. False when BarWindow is none of them }
function LayoutScroll(BarWindow: HWND; Vertical: Boolean; Code: Integer): Boolean;
var
  Row, Kind, Position, Most: Integer;
  BarInfo: TScrollInfo;
begin
  Result := False;
  Kind := Ord(Vertical);
  Row := -1;
  if BarWindow <> 0 then begin
    Row := LayoutCount - 1;
    while (Row >= 0) and (LayoutBar[Row, Kind] <> BarWindow) do Dec(Row);
    if Row < 0 then Exit;
  end else if not FormScrolls then Exit;
  BarInfo.cbSize := SizeOf(BarInfo);
  BarInfo.fMask := SIF_ALL;
  if BarWindow = 0 then GetScrollInfo(hWindow, Kind, BarInfo) else GetScrollInfo(BarWindow, SB_CTL, BarInfo);
  Position := BarInfo.nPos;
  case Code of
    SB_LINEUP: Dec(Position, 16);
    SB_LINEDOWN: Inc(Position, 16);
    SB_PAGEUP: Dec(Position, BarInfo.nPage);
    SB_PAGEDOWN: Inc(Position, BarInfo.nPage);
    SB_THUMBTRACK, SB_THUMBPOSITION: Position := BarInfo.nTrackPos;
    SB_TOP: Position := 0;
    SB_BOTTOM: Position := BarInfo.nMax;
  end;
  Most := BarInfo.nMax - Integer(BarInfo.nPage) + 1;
  if Position > Most then Position := Most;
  if Position < 0 then Position := 0;
  if Vertical then LayoutScrolled[Row].Y := Position else LayoutScrolled[Row].X := Position;
  LayoutWindow;
  Result := True;
end;


{ The mouse wheel turned by Delta over the screen point X,Y: the innermost
  scroll box there that can scroll scrolls, else the form when it can;
  False when nothing there scrolls }
function LayoutWheel(Delta, X, Y: Integer): Boolean;
var
  Row, Found: Integer;
  Point: TPoint;
begin
  Point.X := X;
  Point.Y := Y;
  ScreenToClient(hWindow, Point);
  Found := -1;
  for Row := 0 to LayoutCount - 1 do
    if LayoutRow[Row].Scrolls and LayoutBarShown(Row, 1) and PtInRect(LayoutView[Row], Point) then
      Found := Row;
  if Found < 0 then
    if FormScrolls and LayoutBarShown(-1, 1) then Found := -1
    else begin
      Result := False;
      Exit;
    end;
  { Three lines of 16 pixels a notch }
  Dec(LayoutScrolled[Found].Y, MulDiv(Delta, 48, 120));
  if LayoutScrolled[Found].Y < 0 then LayoutScrolled[Found].Y := 0;
  LayoutWindow;
  Result := True;
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
  hFont1 := CreateFontW(ScaleToScreen(-13),0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');
  hFont2 := CreateFontW(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessageW(OkButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(CancelButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(KindLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(FirstRadio,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(SecondRadio,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(PageControl1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(NameLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(NameEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(AutoCheck,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(PeriodTabs,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(PeriodMemo,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessageW(NeverButton,WM_SETFONT,hFont2,0);
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
      InitCommonControls;
      ColorBrush1 := CreateSolidBrush(GetSysColor(COLOR_WINDOW));
      { Create Pens }
      Pen1 := CreatePen(PS_INSIDEFRAME,1,RGB(0,0,0));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(255,0,0));
    end;
    WM_COMMAND: begin
      exit;
    end;
    WM_GETMINMAXINFO: begin
      LayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);
    end;
    WM_HSCROLL, WM_VSCROLL: begin
      if LayoutScroll(HWND(lParam), Message = WM_VSCROLL, LoWord(wParam)) then Exit;
    end;
    WM_MOUSEWHEEL: begin
      if LayoutWheel(SmallInt(HiWord(wParam)), SmallInt(LoWord(lParam)), SmallInt(HiWord(lParam))) then Exit;
    end;
    WM_NOTIFY: if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE then begin
      { Another tab was chosen: only the controls of chosen pages show }
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(NameLabel, SW_SHOW) else ShowWindow(NameLabel, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(NameEdit, SW_SHOW) else ShowWindow(NameEdit, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 1) then ShowWindow(AutoCheck, SW_SHOW) else ShowWindow(AutoCheck, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then ShowWindow(PeriodTabs, SW_SHOW) else ShowWindow(PeriodTabs, SW_HIDE);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then ShowWindow(PeriodMemo, SW_SHOW) else ShowWindow(PeriodMemo, SW_HIDE);
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
      { Paint panel: TopPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[0].Placed;
      PaintBrush := CreateSolidBrush(RGB(255,255,225));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont1);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,0,128));
      DrawTextW(PaintDC,PWideChar('Panels, pages and a scroll box'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_CENTER);
      RestoreDC(PaintDC,-1);
      { Paint panel: BottomPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[1].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_SUNKENOUTER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawTextW(PaintDC,PWideChar('  The buttons stay on the panel'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_LEFT);
      RestoreDC(PaintDC,-1);
      { Paint panel: LeftPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[4].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      InflateRect(PaintRect,-4,-4);
      RestoreDC(PaintDC,-1);
      { Paint scroll box: ScrollBox1 }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[5].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,EDGE_SUNKEN,BF_RECT or BF_ADJUST);
      RestoreDC(PaintDC,-1);
      SaveDC(PaintDC);
      with LayoutView[5] do IntersectClipRect(PaintDC, Left, Top, Right, Bottom);
      RestoreDC(PaintDC, -1);
      { Page EditSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then LayoutClip(PaintDC, 10) else IntersectClipRect(PaintDC,0,0,0,0);
      { Create shape: Marker }
      PaintRect := LayoutRow[13].Placed;
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Ellipse(PaintDC,PaintRect.Left,PaintRect.Top,PaintRect.Right,PaintRect.Bottom);
      RestoreDC(PaintDC, -1);
      { Page OptionsSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 1) then LayoutClip(PaintDC, 14) else IntersectClipRect(PaintDC,0,0,0,0);
      { Paint panel: BevelPanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[16].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_WINDOW));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      for PaintStep := 1 to 2 do DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);
      InflateRect(PaintRect,-2,-2);
      for PaintStep := 1 to 2 do DrawEdge(PaintDC,PaintRect,BDR_SUNKENOUTER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawTextW(PaintDC,PWideChar('Raised outside, lowered inside'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_CENTER);
      RestoreDC(PaintDC,-1);
      { Paint label: NoteLabel }
      PaintRect := LayoutRow[17].Placed;
      FillRect(PaintDC,PaintRect,ColorBrush1);
      OldFont := SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(128,0,0));
      DrawTextW(PaintDC,PWideChar(WideString('A painted label')),-1,PaintRect,DT_EXPANDTABS or DT_LEFT or DT_NOCLIP);
      SelectObject(PaintDC,OldFont);
      RestoreDC(PaintDC, -1);
      { Page PeriodSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then LayoutClip(PaintDC, 18) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page HiddenSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if False then LayoutClip(PaintDC, 21) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
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
  SetRect(WinRect, 0, 0, ScaleToScreen(560), ScaleToScreen(360));
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 120;
  WinTop := 90;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic containers',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a button ================================================= }
  OkButton:= CreateWindowExW(0, 'Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
             396,327,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindowExW(0, 'Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 477,327,75,25, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  KindLabel:= CreateWindowExW(0, 'Static','Kind:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
              14,55,30,13, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  FirstRadio:= CreateWindowExW(0, 'Button','Small',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
               14,75,113,17, hWindow, 0, Inst, nil);
  SendMessageW(FirstRadio,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  SecondRadio:= CreateWindowExW(0, 'Button','Large',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
                14,99,113,17, hWindow, 0, Inst, nil);

  { Create a tab control ============================================ }
  PageControl1:= CreateWindowExW(0, 'SysTabControl32','',WS_VISIBLE or WS_CHILD or WS_TABSTOP,
                 150,41,410,278, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Edits');
  SendMessageW(PageControl1, TCM_INSERTITEMW, 0, LParam(@TabItem));

  { Create a label (static) ========================================= }
  NameLabel:= CreateWindowExW(0, 'Static','Name:', WS_CHILD or SS_LEFTNOWORDWRAP,
              162,77,31,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','on the first page', WS_CHILD or WS_TABSTOP or ES_AUTOHSCROLL,
             218,73,200,21, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Options');
  SendMessageW(PageControl1, TCM_INSERTITEMW, 1, LParam(@TabItem));

  { Create a checkbox =============================================== }
  AutoCheck:= CreateWindowExW(0, 'Button','on the second page',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              162,73,200,17, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Period');
  SendMessageW(PageControl1, TCM_INSERTITEMW, 2, LParam(@TabItem));

  { Create a tab control ============================================ }
  PeriodTabs:= CreateWindowExW(0, 'SysTabControl32','',WS_CHILD or WS_TABSTOP,
               162,73,385,200, hWindow, 0, Inst, nil);
  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Day');
  SendMessageW(PeriodTabs, TCM_INSERTITEMW, 0, LParam(@TabItem));
  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Week');
  SendMessageW(PeriodTabs, TCM_INSERTITEMW, 1, LParam(@TabItem));
  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PWideChar('Month');
  SendMessageW(PeriodTabs, TCM_INSERTITEMW, 2, LParam(@TabItem));

  { Create a memo =================================================== }
  PeriodMemo:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or
               ES_MULTILINE or ES_AUTOVSCROLL or ES_WANTRETURN or WS_TABSTOP,
               174,105,361,156, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessageW(PeriodMemo,WM_SETTEXT, 0, lParam(PWideChar('on the third page, inside a tab control')));

  { Create a button ================================================= }
  NeverButton:= CreateWindowExW(0, 'Button','on a hidden page',WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                162,73,120,25, hWindow, 0, Inst, nil);


  { Tab order as the form gives it }
  SetWindowPos(FirstRadio, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(PageControl1, FirstRadio, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(NameEdit, PageControl1, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(AutoCheck, NameEdit, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(PeriodTabs, AutoCheck, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(PeriodMemo, PeriodTabs, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(NeverButton, PeriodMemo, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(OkButton, NeverButton, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);
  SetWindowPos(CancelButton, OkButton, 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);


  CreateFonts;


  TabCtrl_SetCurSel(PeriodTabs, 1);
  { The main window paints the inside of the pages of PeriodTabs }
  SetRect(PageRect, 0, 0, 385, 200);
  TabCtrl_AdjustRect(PeriodTabs, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 385, 200);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(PeriodTabs, PageRgn, False);
  TabCtrl_SetCurSel(PageControl1, 1);
  { The main window paints the inside of the pages of PageControl1 }
  SetRect(PageRect, 0, 0, 410, 278);
  TabCtrl_AdjustRect(PageControl1, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 410, 278);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(PageControl1, PageRgn, False);
  { Every control where Align and Anchors put it, at the screen's resolution }
  ScaleLayout;
  LayoutRow[2].Window := OkButton;
  LayoutRow[3].Window := CancelButton;
  LayoutRow[6].Window := KindLabel;
  LayoutRow[7].Window := FirstRadio;
  LayoutRow[8].Window := SecondRadio;
  LayoutRow[9].Window := PageControl1;
  LayoutRow[11].Window := NameLabel;
  LayoutRow[12].Window := NameEdit;
  LayoutRow[15].Window := AutoCheck;
  LayoutRow[19].Window := PeriodTabs;
  LayoutRow[20].Window := PeriodMemo;
  LayoutRow[22].Window := NeverButton;
  LayoutReady := True;
  LayoutWindow;
  SetFocus(FirstRadio);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


