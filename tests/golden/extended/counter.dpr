Program counter ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    CountLabel: HWND;
    TickLabel: HWND;
    CountEdit: HWND;
    PlusButton: HWND;
    EventsReady: Boolean = False;
    MinusButton: HWND;
    ResetButton: HWND;
    LockBox: HWND;
    HistoryList: HWND;
    Clock: UINT = 1;
    CanCloseWindow: Boolean;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;

{ The screen's resolution ================================================ }
const
  FormPixelsPerInch = 96;
  FormScaled: Boolean = True;
  LayoutClientWidth: Integer = 330;
  LayoutClientHeight: Integer = 190;
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
  LayoutCount = 8;
  { Each row: its container's row (-1: the main window); Left, Top, Width and Height
    as designed in the container's client area; Align; Anchors; the margins, the
    client area's distances from its edges and the padding (left, top, right and
    bottom each); the row a splitter resizes and its least size; 1 for a tab window
    whose pages the main window paints; 1 for a scroll box whose content scrolls }
  LayoutDesign: array[0..7, 0..22] of Integer = (
    (-1, 12, 16, 33, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 0: CountLabel }
    (-1, 12, 160, 150, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 1: TickLabel }
    (-1, 60, 12, 81, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 2: CountEdit }
    (-1, 12, 48, 60, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 3: PlusButton }
    (-1, 81, 48, 60, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 4: MinusButton }
    (-1, 12, 84, 129, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 5: ResetButton }
    (-1, 12, 120, 129, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0), { 6: LockBox }
    (-1, 160, 12, 158, 161, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0)  { 7: HistoryList }
  );
  { The order in which the rows are placed }
  LayoutOrder: array[0..7] of Integer = (
    0, 1, 2, 3, 4, 5, 6, 7);

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
  OldFonts: array[1..1] of HFONT;
  FontIndex: Integer;
begin
  OldFonts[1] := hFont1;
  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(CountLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(TickLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CountEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(PlusButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(MinusButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(ResetButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(LockBox,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(HistoryList,WM_SETFONT,hFont1,0);
  for FontIndex := 1 to 1 do
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
{$I counter.events.inc}

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if EventsReady and (HWND(lParam) = PlusButton) and (HiWord(wParam) = BN_CLICKED) then PlusButtonClick(PlusButton);
      if EventsReady and (HWND(lParam) = MinusButton) and (HiWord(wParam) = BN_CLICKED) then MinusButtonClick(MinusButton);
      if EventsReady and (HWND(lParam) = ResetButton) and (HiWord(wParam) = BN_CLICKED) then ResetButtonClick(ResetButton);
      if EventsReady and (HWND(lParam) = LockBox) and (HiWord(wParam) = BN_CLICKED) then LockBoxClick(LockBox);
      if EventsReady and (HWND(lParam) = HistoryList) and (HiWord(wParam) = LBN_DBLCLK) then HistoryListDblClick(HistoryList);
      exit;
    end;
    WM_TIMER: begin
      if EventsReady and (UINT(wParam) = Clock) then ClockTimer(hWindow);
    end;
    WM_GETMINMAXINFO: begin
      LayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);
    end;
    WM_CLOSE: begin
      CanCloseWindow := True;
      FormCloseQuery(hWindow, CanCloseWindow);
      if not CanCloseWindow then Exit;
      DestroyWindow(hWindow);
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
      EventsReady := False;
      { Delete Pens and Brushes }
      { Delete Fonts }
      DeleteObject(hFont1);
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
  SetRect(WinRect, 0, 0, ScaleToScreen(330), ScaleToScreen(190));
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowExW(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Counter',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  CountLabel:= CreateWindowExW(0, 'Static','Count:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
               12,16,33,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  TickLabel:= CreateWindowExW(0, 'Static','Running for 0 s', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
              12,160,150,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CountEdit:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','0', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL or ES_READONLY,
              60,12,81,21, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  PlusButton:= CreateWindowExW(0, 'Button','+1',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
               12,48,60,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  MinusButton:= CreateWindowExW(0, 'Button','-1',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                81,48,60,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  ResetButton:= CreateWindowExW(0, 'Button','Reset',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                12,84,129,25, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  LockBox:= CreateWindowExW(0, 'Button','Lock the reset',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
            12,120,129,17, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  HistoryList:= CreateWindowExW(WS_EX_CLIENTEDGE, 'listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_NOTIFY or WS_VSCROLL or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
                160,12,158,161, hWindow, 0, Inst, nil);
  { add items to listbox }


  CreateFonts;


  { Every control where Align and Anchors put it, at the screen's resolution }
  ScaleLayout;
  LayoutRow[0].Window := CountLabel;
  LayoutRow[1].Window := TickLabel;
  LayoutRow[2].Window := CountEdit;
  LayoutRow[3].Window := PlusButton;
  LayoutRow[4].Window := MinusButton;
  LayoutRow[5].Window := ResetButton;
  LayoutRow[6].Window := LockBox;
  LayoutRow[7].Window := HistoryList;
  LayoutReady := True;
  LayoutWindow;
  { From here on the handlers of the form's events run }
  SetTimer(hWindow, Clock, 1000, nil);
  EventsReady := True;
  FormCreate(hWindow);
  SetFocus(CountEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


