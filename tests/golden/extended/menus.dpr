Program menus ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    Label1: HWND;
    Memo1: HWND;
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
    Result := SendMessageW(GetParent(EditHandle), WM_CONTEXTMENU, wParam, lParam)
  else
    Result := CallWindowProcW(WNDPROC(GetWindowLongW(EditHandle, GWL_USERDATA)),
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

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if (lParam = 0) and (wParam = 50001) then MessageBoxW(hWindow,'PopupCopyClick','Check',MB_OK);
      if HWND(lParam) = CloseButton then MessageBoxW(hWindow,'CloseButtonClick','Check',MB_OK);
      if (lParam = 0) and (wParam = 40001) then MessageBoxW(hWindow,'FileNewClick','Check',MB_OK);
      if (lParam = 0) and (wParam = 40002) then MessageBoxW(hWindow,'FileOpenClick','Check',MB_OK);
      if (lParam = 0) and (wParam = 40003) then MessageBoxW(hWindow,'FileSaveClick','Check',MB_OK);
      if (lParam = 0) and (wParam = 40007) then MessageBoxW(hWindow,'FileExitClick','Check',MB_OK);
      if (lParam = 0) and (wParam = 40018) then MessageBoxW(hWindow,'HelpAboutClick','Check',MB_OK);
      exit;
    end;
    WM_CONTEXTMENU: begin
      if HWND(wParam) = Memo1 then begin ShowPopupMenu(PopupMenu1, Memo1, lParam); Exit; end;
      Result := DefWindowProcW(hWindow, Message, wParam, lParam);
    end;

    WM_DESTROY: begin
      DestroyMenu(PopupMenu1);
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
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','Menus',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= CreateWindowExW(0, 'Static','The menu bar comes from MainMenu1.', WS_VISIBLE or WS_CHILD or SS_LEFT,
           8,8,182,13, hWindow, 0, Inst, nil);

  { Create a memo =================================================== }
  Memo1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or
          ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL or WS_TABSTOP,
          8,28,384,172, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessageW(Memo1,WM_SETTEXT, 0, lParam(PWideChar('Every item of the form''s main menu is in the bar,'+#13#10+'with its shortcut, check mark and state.')));

  { Create a popup menu ============================================= }
  PopupMenu1 := CreatePopupMenu;
  AppendMenuW(PopupMenu1, MF_STRING, 50001, '&Copy');

  SetWindowLongW(Memo1, GWL_USERDATA, SetWindowLongW(Memo1, GWL_WNDPROC, LongInt(@PassContextMenu)));

  { Create a button ================================================= }
  CloseButton:= CreateWindowExW(0, 'Button','Close',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                317,208,75,25, hWindow, 0, Inst, nil);

  { Create the menu bar ============================================= }
  MainMenu1 := CreateMenu;
  FileMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, FileMenu, '&File');
  AppendMenuW(FileMenu, MF_STRING, 40001, '&New'#9'Ctrl+N');
  AppendMenuW(FileMenu, MF_STRING, 40002, '&Open...'#9'Ctrl+O');
  SetMenuDefaultItem(FileMenu, 1, 1);
  AppendMenuW(FileMenu, MF_STRING, 40003, '&Save'#9'Ctrl+S');
  AppendMenuW(FileMenu, MF_STRING or MF_GRAYED, 40004, 'Save &As...'#9'Shift+Ctrl+S');
  AppendMenuW(FileMenu, MF_SEPARATOR, 0, nil);
  FileRecent := CreatePopupMenu;
  AppendMenuW(FileMenu, MF_POPUP, FileRecent, '&Recent');
  AppendMenuW(FileRecent, MF_STRING or MF_CHECKED, 40005, '&1 notes.txt');
  AppendMenuW(FileRecent, MF_STRING, 40006, '&2 todo.txt');
  AppendMenuW(FileMenu, MF_SEPARATOR, 0, nil);
  AppendMenuW(FileMenu, MF_STRING, 40007, 'E&xit'#9'Alt+F4');
  EditMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, EditMenu, '&Edit');
  AppendMenuW(EditMenu, MF_STRING or MF_GRAYED, 40008, '&Undo'#9'Ctrl+Z');
  AppendMenuW(EditMenu, MF_SEPARATOR, 0, nil);
  AppendMenuW(EditMenu, MF_STRING, 40009, 'Cu&t'#9'Ctrl+X');
  AppendMenuW(EditMenu, MF_STRING, 40010, '&Copy'#9'Ctrl+C');
  AppendMenuW(EditMenu, MF_STRING, 40011, '&Paste'#9'Ctrl+V');
  AppendMenuW(EditMenu, MF_STRING, 40012, 'De&lete'#9'Del');
  ViewMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, ViewMenu, '&View');
  AppendMenuW(ViewMenu, MF_STRING, 40013, '&Small');
  AppendMenuW(ViewMenu, MF_STRING or MF_CHECKED, 40014, '&Large');
  CheckMenuRadioItem(ViewMenu, 1, 1, 1, MF_BYPOSITION);
  AppendMenuW(ViewMenu, MF_STRING or MF_CHECKED or MF_MENUBARBREAK, 40015, 'Status &bar');
  AppendMenuW(ViewMenu, MF_STRING, 40016, '&Word wrap');
  HelpMenu := CreatePopupMenu;
  AppendMenuW(MainMenu1, MF_POPUP, HelpMenu, '&Help');
  AppendMenuW(HelpMenu, MF_STRING, 40017, '&Contents'#9'F1');
  AppendMenuW(HelpMenu, MF_STRING, 40018, '&About...');
  SetMenu(hWindow, MainMenu1);


  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Memo1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(CloseButton,WM_SETFONT,hFont1,0);

  SetFocus(Memo1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


