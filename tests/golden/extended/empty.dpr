Program empty ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;

{ The screen's resolution ================================================ }
const
  FormPixelsPerInch = 96;
  FormScaled: Boolean = True;
  LayoutClientWidth: Integer = -1;
  LayoutClientHeight: Integer = -1;
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

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      exit;
    end;

    WM_DESTROY: begin
      { Delete Pens and Brushes }
      { Delete Fonts }
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
  WinWidth := ScaleToScreen(400);
  WinHeight := ScaleToScreen(300);
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 192;
  WinTop := 114;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','Form1',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);







  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


