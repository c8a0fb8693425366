// The Pascal text of the run-time layout, written as the program's own
// procedures; the rows they work on come from layout_table.cpp.
#include "extended/layout_code.h"

#include <string_view>

namespace vornic {

namespace {

// The texts below are written with "\n"; the program's lines end "\r\n".
std::string Lines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

constexpr char kResolution[] = R"(
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
)";

constexpr char kLayoutType[] = R"(
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
)";

constexpr char kLayoutState[] = R"(
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
)";

constexpr char kPlacing[] = R"(
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

)";

constexpr char kLayingOut[] = R"(
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
)";

constexpr char kScrollState[] = R"(
var
  { The scroll bars of each scroll box, horizontal and vertical; 0 until needed }
  LayoutBar: array[0..LayoutCount - 1, 0..1] of HWND;
  { Windows hidden as they lie wholly outside their scroll box }
  LayoutClippedAway: array[0..LayoutCount - 1] of Boolean;
)";

constexpr char kScrollBars[] = R"(
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

)";

constexpr char kNoScrollBars[] = R"(
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

)";

constexpr char kScrolling[] = R"(
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

)";

constexpr char kWheel[] = R"(
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
)";

constexpr char kSplitters[] = R"(
{ The splitter at X,Y in the main window's client area; -1 when none is there }
function SplitterAt(X, Y: Integer): Integer;
var
  Row: Integer;
  Point: TPoint;
begin
  Result := -1;
  Point.X := X;
  Point.Y := Y;
  for Row := 0 to LayoutCount - 1 do
    if (LayoutRow[Row].Splits >= 0) and PtInRect(LayoutRow[Row].Placed, Point) then Result := Row;
end;

{ Shows the cursor of a splitter while the mouse is over one; False elsewhere }
function SplitterCursor: Boolean;
var
  Point: TPoint;
  Row: Integer;
begin
  GetCursorPos(Point);
  ScreenToClient(hWindow, Point);
  Row := SplitRow;
  if Row < 0 then Row := SplitterAt(Point.X, Point.Y);
  Result := Row >= 0;
  if not Result then Exit;
  if LayoutRow[Row].Align in [1, 2] then SetCursor(LoadCursor(0, IDC_SIZENS))
  else SetCursor(LoadCursor(0, IDC_SIZEWE));
end;

{ A drag begins on a splitter: the size of the control it resizes may grow
  while what the aligned controls leave keeps MinSize }
procedure StartSplit(X, Y: Integer);
var
  Room: TRect;
begin
  SplitRow := SplitterAt(X, Y);
  if SplitRow < 0 then Exit;
  with LayoutRow[SplitRow] do begin
    Room := LayoutRoom[Parent];
    if Align in [1, 2] then begin
      SplitFrom := Y;
      SplitSize := LayoutRow[Splits].Height;
      SplitLimit := SplitSize + Room.Bottom - Room.Top - MinSize;
    end else begin
      SplitFrom := X;
      SplitSize := LayoutRow[Splits].Width;
      SplitLimit := SplitSize + Room.Right - Room.Left - MinSize;
    end;
  end;
  if SplitLimit < SplitSize then SplitLimit := SplitSize;
  SetCapture(hWindow);
end;

{ The control the dragged splitter resizes follows the mouse, no smaller than MinSize }
procedure MoveSplit(X, Y: Integer);
var
  Size: Integer;
begin
  if SplitRow < 0 then Exit;
  with LayoutRow[SplitRow] do begin
    case Align of
      1: Size := SplitSize + Y - SplitFrom;
      2: Size := SplitSize - Y + SplitFrom;
      4: Size := SplitSize - X + SplitFrom;
    else
      Size := SplitSize + X - SplitFrom;
    end;
    if Size > SplitLimit then Size := SplitLimit;
    if Size < MinSize then Size := MinSize;
    if Align in [1, 2] then LayoutRow[Splits].Height := Size else LayoutRow[Splits].Width := Size;
  end;
  LayoutWindow;
end;

procedure EndSplit;
begin
  if SplitRow < 0 then Exit;
  SplitRow := -1;
  ReleaseCapture;
end;
)";

}  // namespace

std::string ResolutionCode(const LayoutForm& form) {
  return Lines("\n{ The screen's resolution " + std::string(48, '=') +
               " }\nconst\n  FormPixelsPerInch = " + std::to_string(form.pixels_per_inch) +
               ";\n  FormScaled: Boolean = " + (form.scaled ? "True" : "False") +
               ";\n  LayoutClientWidth: Integer = " + std::to_string(form.client_width) +
               ";\n  LayoutClientHeight: Integer = " + std::to_string(form.client_height) +
               ";\n  { Sent when the window moves to a screen of another resolution }"
               "\n  WM_DPICHANGED = 736" +
               ";\n\nvar\n  ScreenDpi: Integer = 96;\n" + kResolution);
}

std::string LayoutTypeCode() { return Lines(kLayoutType); }

std::string LayoutProcedureCode(bool splitters, bool scrolls) {
  std::string text = std::string(kLayoutState) + (scrolls ? kScrollState : "") + kPlacing;
  text += scrolls ? kScrollBars : kNoScrollBars;
  text += kLayingOut;
  if (scrolls) text += std::string(kScrolling) + kWheel;
  if (splitters) text += kSplitters;
  return Lines(text);
}

std::string SizeBranchLines() {
  return Lines("\n      if wParam <> SIZE_MINIMIZED then LayoutControls(LoWord(lParam), HiWord(lParam));");
}

std::string SplitterBranchLines(const char* message) {
  const std::string_view label = message;
  if (label == "WM_SETCURSOR") {
    return Lines(
        "\n      if (LoWord(lParam) = HTCLIENT) and SplitterCursor then begin"
        "\n        Result := 1;\n        Exit;\n      end;");
  }
  if (label == "WM_LBUTTONDOWN") {
    return Lines("\n      StartSplit(SmallInt(LoWord(lParam)), SmallInt(HiWord(lParam)));");
  }
  if (label == "WM_MOUSEMOVE") {
    return Lines("\n      MoveSplit(SmallInt(LoWord(lParam)), SmallInt(HiWord(lParam)));");
  }
  return Lines("\n      EndSplit;");
}

}  // namespace vornic
