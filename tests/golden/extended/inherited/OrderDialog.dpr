Program OrderDialog ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    PaintRect: TRect;
    PaintBrush: HBRUSH;
    ColorBrush1: HBRUSH;
    OldFont: HFONT;
    HelpButton: HWND;
    OKButton: HWND;
    CancelButton: HWND;
    NameLabel: HWND;
    StreetLabel: HWND;
    CityLabel: HWND;
    NameEdit: HWND;
    StreetEdit: HWND;
    CityEdit: HWND;
    CountryCombo: HWND;
    NameLabel_1: HWND;
    StreetLabel_1: HWND;
    CityLabel_1: HWND;
    NameEdit_1: HWND;
    StreetEdit_1: HWND;
    CityEdit_1: HWND;
    CountryCombo_1: HWND;
    SameCheck: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    OldPoint: PPoint;
    OldPen: HPEN;
    Pen1: HPEN;
    Pen2: HPEN;
    hFont1: HFONT;
    hFont2: HFONT;

{ The screen's resolution ================================================ }
const
  FormPixelsPerInch = 96;
  FormScaled: Boolean = True;
  LayoutClientWidth: Integer = 360;
  LayoutClientHeight: Integer = 300;
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
    Window: HWND;                       { 0 for what the main window paints }
    Placed: TRect;                      { where it is now, in the main window's client area }
  end;

const
  LayoutCount = 23;
  { Each row: its container's row (-1: the main window); Left, Top, Width and Height
    as designed in the container's client area; Align; Anchors; the margins, the
    client area's distances from its edges and the padding (left, top, right and
    bottom each); the row a splitter resizes and its least size; 1 for a tab window
    whose pages the main window paints }
  LayoutDesign: array[0..22, 0..21] of Integer = (
    (-1, 0, 0, 360, 41, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 0: TitlePanel }
    (0, 12, 8, 160, 19, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 1: TitleLabel }
    (-1, 8, 254, 344, 2, 0, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 2: ButtonBevel }
    (-1, 8, 264, 75, 25, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 3: HelpButton }
    (-1, 196, 264, 75, 25, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 4: OKButton }
    (-1, 277, 264, 75, 25, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 5: CancelButton }
    (-1, 12, 52, 336, 76, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 6: BillingAddress }
    (6, 8, 11, 31, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 7: NameLabel }
    (6, 8, 35, 34, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 8: StreetLabel }
    (6, 8, 59, 23, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 9: CityLabel }
    (6, 64, 8, 264, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 10: NameEdit }
    (6, 64, 32, 264, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 11: StreetEdit }
    (6, 64, 56, 160, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 12: CityEdit }
    (6, 232, 56, 96, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 13: CountryCombo }
    (-1, 12, 144, 336, 76, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 14: ShippingAddress }
    (14, 8, 11, 42, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 15: NameLabel }
    (14, 8, 35, 34, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 16: StreetLabel }
    (14, 8, 59, 23, 13, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 17: CityLabel }
    (14, 64, 8, 264, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 18: NameEdit }
    (14, 64, 32, 264, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 19: StreetEdit }
    (14, 64, 56, 160, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 20: CityEdit }
    (14, 232, 56, 96, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0), { 21: CountryCombo }
    (14, 232, 58, 100, 17, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0)  { 22: SameCheck }
  );
  { The order in which the rows are placed }
  LayoutOrder: array[0..22] of Integer = (
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
    16, 17, 18, 19, 20, 21, 22);

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

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      ColorBrush1 := CreateSolidBrush(GetSysColor(COLOR_WINDOW));
      { Create Pens }
      Pen1 := CreatePen(PS_INSIDEFRAME,1,RGB(128,128,128));
      Pen2 := CreatePen(PS_INSIDEFRAME,1,RGB(255,255,255));
    end;
    WM_COMMAND: begin
      if HWND(lParam) = HelpButton then MessageBox(hWindow,'HelpButtonClick','Check',MB_OK);
      if HWND(lParam) = OKButton then MessageBox(hWindow,'OKButtonClick','Check',MB_OK);
      if HWND(lParam) = CancelButton then MessageBox(hWindow,'CancelButtonClick','Check',MB_OK);
      if HWND(lParam) = SameCheck then MessageBox(hWindow,'SameCheckClick','Check',MB_OK);
      exit;
    end;
    WM_SIZE: begin
      if wParam <> SIZE_MINIMIZED then LayoutControls(LoWord(lParam), HiWord(lParam));
    end;
    WM_DPICHANGED: begin
      LayoutDpiChanged(LoWord(wParam));
      with PRect(lParam)^ do SetWindowPos(hWindow, 0, Left, Top, Right - Left, Bottom - Top, SWP_NOZORDER or SWP_NOACTIVATE);
    end;
    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint panel: TitlePanel }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[0].Placed;
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_WINDOW));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      RestoreDC(PaintDC,-1);
      { Paint label: TitleLabel }
      PaintRect := LayoutRow[1].Placed;
      FillRect(PaintDC,PaintRect,ColorBrush1);
      OldFont := SelectObject(PaintDC,hFont1);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,0,128));
      DrawTextW(PaintDC,PWideChar(WideString('Where shall it go?')),-1,PaintRect,DT_EXPANDTABS or DT_LEFT or DT_NOCLIP);
      SelectObject(PaintDC,OldFont);
      { Create bevel: ButtonBevel }
      PaintRect := LayoutRow[2].Placed;
      OldPen  := SelectObject(PaintDC,Pen1);
      MoveToEx(PaintDC,PaintRect.Left,PaintRect.Top,OldPoint);
      LineTo(PaintDC,PaintRect.Right,PaintRect.Top);
      OldPen  := SelectObject(PaintDC,Pen2);
      MoveToEx(PaintDC,PaintRect.Left+1,PaintRect.Top+1,OldPoint);
      LineTo(PaintDC,PaintRect.Right+1,PaintRect.Top+1);
      { Paint frame: BillingAddress }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[6].Placed;
      RestoreDC(PaintDC,-1);
      { Paint frame: ShippingAddress }
      SaveDC(PaintDC);
      PaintRect := LayoutRow[14].Placed;
      RestoreDC(PaintDC,-1);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      DeleteObject(ColorBrush1);
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Pen2);
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
  ReadScreenDpi;
  SetRect(WinRect, 0, 0, ScaleToScreen(360), ScaleToScreen(300));
  AdjustWindowRectEx(WinRect, WS_CAPTION or WS_SYSMENU, False, WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := WorkArea.Left + (WorkArea.Right - WorkArea.Left - WinWidth) div 2;
  WinTop := WorkArea.Top + (WorkArea.Bottom - WorkArea.Top - WinHeight) div 2;
  hWindow := CreateWindowEx(WS_EX_DLGMODALFRAME or WS_EX_WINDOWEDGE, 'MyWindowClass','Delivery',
            WS_CAPTION or WS_SYSMENU or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a button ================================================= }
  HelpButton:= CreateWindow('Button','&Help',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
               8,264,75,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  OKButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
             196,264,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 277,264,75,25, hWindow, IDCANCEL, Inst, nil);

  { Create a label (static) ========================================= }
  NameLabel:= Createwindow('Static','Bill to:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
              20,63,31,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  StreetLabel:= Createwindow('Static','Street:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
                20,87,34,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CityLabel:= Createwindow('Static','City:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
              20,111,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
             76,60,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  StreetEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
               76,84,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CityEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
             76,108,160,21, hWindow, 0, Inst, nil);

  { Create a combobox =============================================== }
  CountryCombo:= CreateWindow('combobox','',WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
                 244,108,96,21, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessage(CountryCombo,CB_ADDSTRING , 0 ,LParam(PChar('Austria')) );
  SendMessage(CountryCombo,CB_ADDSTRING , 0 ,LParam(PChar('France')) );
  SendMessage(CountryCombo,CB_ADDSTRING , 0 ,LParam(PChar('Italy')) );
  { select current item }
  SendMessage(CountryCombo,CB_SELECTSTRING,0,LParam(PChar('Austria')) );

  { Create a label (static) ========================================= }
  NameLabel_1:= Createwindow('Static','Ship to:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
                20,155,42,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  StreetLabel_1:= Createwindow('Static','Street:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
                  20,179,34,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CityLabel_1:= Createwindow('Static','City:', WS_VISIBLE or WS_CHILD or SS_LEFTNOWORDWRAP,
                20,203,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
               76,152,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  StreetEdit_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
                 76,176,264,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CityEdit_1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
               76,200,160,21, hWindow, 0, Inst, nil);

  { Create a combobox =============================================== }
  CountryCombo_1:= CreateWindow('combobox','',WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
                   244,200,96,21, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessage(CountryCombo_1,CB_ADDSTRING , 0 ,LParam(PChar('Austria')) );
  SendMessage(CountryCombo_1,CB_ADDSTRING , 0 ,LParam(PChar('France')) );
  SendMessage(CountryCombo_1,CB_ADDSTRING , 0 ,LParam(PChar('Italy')) );
  { select current item }
  SendMessage(CountryCombo_1,CB_SELECTSTRING,0,LParam(PChar('Austria')) );

  { Create a checkbox =============================================== }
  SameCheck:= CreateWindow('Button','Same as bill',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              244,202,100,17, hWindow, 0, Inst, nil);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(ScaleToScreen(-16),0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');
  hFont2 := CreateFont(ScaleToScreen(-11),0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont2 <> 0 then SendMessage(HelpButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(OKButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CancelButton,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityLabel,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityEdit,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CountryCombo,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameLabel_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetLabel_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityLabel_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(NameEdit_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(StreetEdit_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CityEdit_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(CountryCombo_1,WM_SETFONT,hFont2,0);
  if hFont2 <> 0 then SendMessage(SameCheck,WM_SETFONT,hFont2,0);


  { Every control where Align and Anchors put it, at the screen's resolution }
  ScaleLayout;
  LayoutRow[3].Window := HelpButton;
  LayoutRow[4].Window := OKButton;
  LayoutRow[5].Window := CancelButton;
  LayoutRow[7].Window := NameLabel;
  LayoutRow[8].Window := StreetLabel;
  LayoutRow[9].Window := CityLabel;
  LayoutRow[10].Window := NameEdit;
  LayoutRow[11].Window := StreetEdit;
  LayoutRow[12].Window := CityEdit;
  LayoutRow[13].Window := CountryCombo;
  LayoutRow[15].Window := NameLabel_1;
  LayoutRow[16].Window := StreetLabel_1;
  LayoutRow[17].Window := CityLabel_1;
  LayoutRow[18].Window := NameEdit_1;
  LayoutRow[19].Window := StreetEdit_1;
  LayoutRow[20].Window := CityEdit_1;
  LayoutRow[21].Window := CountryCombo_1;
  LayoutRow[22].Window := SameCheck;
  LayoutReady := True;
  LayoutWindow;
  SetFocus(HelpButton);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


