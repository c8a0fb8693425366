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
)";

constexpr char kScaleLayout[] = R"(
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
    end;
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

{ Places every row in a client area of ClientWidth x ClientHeight, outer
  containers first: the windows move together, and the main window paints
  again where what it paints was and is }
procedure LayoutControls(ClientWidth, ClientHeight: Integer);
var
  Index, Row, Parent, DesignWidth, DesignHeight: Integer;
  Place: TRect;
  Moves: HDWP;
  Reshaped: array[0..LayoutCount - 1] of Boolean;
begin
  if LayoutWidth < 0 then LayoutWidth := ClientWidth;
  if LayoutHeight < 0 then LayoutHeight := ClientHeight;
  if not LayoutReady then Exit;
  SetRect(LayoutArea[-1], 0, 0, ClientWidth, ClientHeight);
  LayoutRoom[-1] := LayoutArea[-1];
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
      end;
    Place := LayoutPlace(LayoutRow[Row], LayoutArea[Parent], LayoutRoom[Parent], DesignWidth,
      DesignHeight);
    with LayoutRow[Row] do begin
      Reshaped[Row] := PaintsPages and ((Place.Right - Place.Left <> Placed.Right - Placed.Left) or
        (Place.Bottom - Place.Top <> Placed.Bottom - Placed.Top));
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
      SetRect(LayoutRoom[Row], LayoutArea[Row].Left + Padding.Left, LayoutArea[Row].Top + Padding.Top,
        LayoutArea[Row].Right - Padding.Right, LayoutArea[Row].Bottom - Padding.Bottom);
    end;
  end;
  if Moves <> 0 then EndDeferWindowPos(Moves);
  for Row := 0 to LayoutCount - 1 do
    if Reshaped[Row] then
      with LayoutRow[Row] do LayoutPageHole(Window, Placed.Right - Placed.Left, Placed.Bottom - Placed.Top);
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

std::string LayoutProcedureCode(bool splitters) {
  return Lines(std::string(kLayoutState) + kScaleLayout + (splitters ? kSplitters : ""));
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
