Program menus ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    Label1: HWND;
    Memo1: HWND;
    EventsReady: Boolean = False;
    PopupMenu1: HMENU;
    CloseButton: HWND;
    MainMenu1: HMENU;
    FileMenu: HMENU;
    FileRecent: HMENU;
    EditMenu: HMENU;
    ViewMenu: HMENU;
    HelpMenu: HMENU;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;

{ Passes a right click on an edit on to the main window, which opens its menu }
function PassContextMenu(EditHandle: HWND; Message, wParam, lParam: Integer): Integer; stdcall;
begin
  if Message = WM_CONTEXTMENU then
    Result := SendMessage(GetParent(EditHandle), WM_CONTEXTMENU, wParam, lParam)
  else
    Result := CallWindowProc(WNDPROC(GetWindowLong(EditHandle, GWL_USERDATA)),
      EditHandle, Message, wParam, lParam);
end;

{ Opens a popup menu where its window was right-clicked }
procedure ShowPopupMenu(Popup: HMENU; Owner: HWND; Where: LPARAM);
var
  Spot: TPoint;
  OwnerRect: TRect;
begin
  Spot.X := SmallInt(LoWord(Where));
  Spot.Y := SmallInt(HiWord(Where));
  if Where = -1 then begin
    GetWindowRect(Owner, OwnerRect);
    Spot.X := OwnerRect.Left;
    Spot.Y := OwnerRect.Top;
  end;
  TrackPopupMenu(Popup, TPM_LEFTALIGN or TPM_RIGHTBUTTON, Spot.X, Spot.Y, 0, hWindow, nil);
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
{$I menus.events.inc}

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if (lParam = 0) and (wParam = 50001) then PopupCopyClick(hWindow);
      if EventsReady and (HWND(lParam) = CloseButton) and (HiWord(wParam) = BN_CLICKED) then CloseButtonClick(CloseButton);
      if (lParam = 0) and (wParam = 40001) then FileNewClick(hWindow);
      if (lParam = 0) and (wParam = 40002) then FileOpenClick(hWindow);
      if (lParam = 0) and (wParam = 40003) then FileSaveClick(hWindow);
      if (lParam = 0) and (wParam = 40007) then FileExitClick(hWindow);
      if (lParam = 0) and (wParam = 40018) then HelpAboutClick(hWindow);
      exit;
    end;
    WM_CONTEXTMENU: begin
      if HWND(wParam) = Memo1 then begin ShowPopupMenu(PopupMenu1, Memo1, lParam); Exit; end;
      Result := DefWindowProc(hWindow, Message, wParam, lParam);
    end;

    WM_DESTROY: begin
      EventsReady := False;
      DestroyMenu(PopupMenu1);
      { Delete Pens and Brushes }
      { Delete Fonts }
      DeleteObject(hFont1);
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
  SetRect(WinRect, 0, 0, 400, 240);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, True, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 120;
  WinTop := 90;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Menus',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','The menu bar comes from MainMenu1.', WS_VISIBLE or WS_CHILD or SS_LEFT,
           8,8,182,13, hWindow, 0, Inst, nil);

  { Create a memo =================================================== }
  Memo1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or
          ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL or WS_TABSTOP,
          8,28,384,172, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessage(Memo1,WM_SETTEXT, 0, lParam(pChar('Every item of the form'#39's main menu is in the bar,'+#13#10+'with its shortcut, check mark and state.')));

  { Create a popup menu ============================================= }
  PopupMenu1 := CreatePopupMenu;
  AppendMenu(PopupMenu1, MF_STRING, 50001, '&Copy');

  SetWindowLong(Memo1, GWL_USERDATA, SetWindowLong(Memo1, GWL_WNDPROC, LongInt(@PassContextMenu)));

  { Create a button ================================================= }
  CloseButton:= CreateWindow('Button','Close',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                317,208,75,25, hWindow, 0, Inst, nil);

  { Create the menu bar ============================================= }
  MainMenu1 := CreateMenu;
  FileMenu := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, FileMenu, '&File');
  AppendMenu(FileMenu, MF_STRING, 40001, '&New'#9'Ctrl+N');
  AppendMenu(FileMenu, MF_STRING, 40002, '&Open...'#9'Ctrl+O');
  SetMenuDefaultItem(FileMenu, 1, 1);
  AppendMenu(FileMenu, MF_STRING, 40003, '&Save'#9'Ctrl+S');
  AppendMenu(FileMenu, MF_STRING or MF_GRAYED, 40004, 'Save &As...'#9'Shift+Ctrl+S');
  AppendMenu(FileMenu, MF_SEPARATOR, 0, nil);
  FileRecent := CreatePopupMenu;
  AppendMenu(FileMenu, MF_POPUP, FileRecent, '&Recent');
  AppendMenu(FileRecent, MF_STRING or MF_CHECKED, 40005, '&1 notes.txt');
  AppendMenu(FileRecent, MF_STRING, 40006, '&2 todo.txt');
  AppendMenu(FileMenu, MF_SEPARATOR, 0, nil);
  AppendMenu(FileMenu, MF_STRING, 40007, 'E&xit'#9'Alt+F4');
  EditMenu := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, EditMenu, '&Edit');
  AppendMenu(EditMenu, MF_STRING or MF_GRAYED, 40008, '&Undo'#9'Ctrl+Z');
  AppendMenu(EditMenu, MF_SEPARATOR, 0, nil);
  AppendMenu(EditMenu, MF_STRING, 40009, 'Cu&t'#9'Ctrl+X');
  AppendMenu(EditMenu, MF_STRING, 40010, '&Copy'#9'Ctrl+C');
  AppendMenu(EditMenu, MF_STRING, 40011, '&Paste'#9'Ctrl+V');
  AppendMenu(EditMenu, MF_STRING, 40012, 'De&lete'#9'Del');
  ViewMenu := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, ViewMenu, '&View');
  AppendMenu(ViewMenu, MF_STRING, 40013, '&Small');
  AppendMenu(ViewMenu, MF_STRING or MF_CHECKED, 40014, '&Large');
  CheckMenuRadioItem(ViewMenu, 1, 1, 1, MF_BYPOSITION);
  AppendMenu(ViewMenu, MF_STRING or MF_CHECKED or MF_MENUBARBREAK, 40015, 'Status &bar');
  AppendMenu(ViewMenu, MF_STRING, 40016, '&Word wrap');
  HelpMenu := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, HelpMenu, '&Help');
  AppendMenu(HelpMenu, MF_STRING, 40017, '&Contents'#9'F1');
  AppendMenu(HelpMenu, MF_STRING, 40018, '&About...');
  SetMenu(hWindow, MainMenu1);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Memo1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CloseButton,WM_SETFONT,hFont1,0);


  { From here on the handlers of the form's events run }
  EventsReady := True;
  SetFocus(Memo1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


