Program actions ;

Uses Windows, Messages, CommCtrl;
{$R *.RES}

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    EventsReady: Boolean = False;
    pmForm: HMENU;
    ImageList1: HIMAGELIST;
    ImageBitmap, ImageMask: HBITMAP;
    ToolBarButton: TTBButton;
    ToolBar1: HWND;
    Label1: HWND;
    ListBox1: HWND;
    MenuItemImage: TMenuItemInfo;
    pmList: HMENU;
    PaintRect: TRect;
    PaintBrush: HBRUSH;
    btnNew: HWND;
    btnSave: HWND;
    CheckBox1: HWND;
    MainMenu1: HMENU;
    mnuFile: HMENU;
    mnuFormat: HMENU;
    Spot: TPoint;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;

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
{$I actions.events.inc}

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      { Image list ImageList1 }
      ImageList1 := ImageList_Create(16,16,ILC_COLOR24 or ILC_MASK,5,0);
      ImageBitmap := LoadBitmap(Inst,PChar('BMP_ImageList1'));
      ImageMask := LoadBitmap(Inst,PChar('BMP_ImageList1Mask'));
      ImageList_Add(ImageList1,ImageBitmap,ImageMask);
      DeleteObject(ImageMask);
      DeleteObject(ImageBitmap);
      InitCommonControls;
    end;
    WM_COMMAND: begin
      if (lParam = 0) and (wParam = 50001) then pmAboutClick(hWindow);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 1) then actNewExecute(ToolBar1);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 2) then actOpenExecute(ToolBar1);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 3) then actSaveExecute(ToolBar1);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 5) then actBoldExecute(ToolBar1);
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 6) then actExitExecute(ToolBar1);
      if (lParam = 0) and (wParam = 50002) then actNewExecute(hWindow);
      if (lParam = 0) and (wParam = 50003) then actOpenExecute(hWindow);
      if (lParam = 0) and (wParam = 50004) then pmClearClick(hWindow);
      if EventsReady and (HWND(lParam) = btnNew) and (HiWord(wParam) = BN_CLICKED) then actNewExecute(btnNew);
      if EventsReady and (HWND(lParam) = btnSave) and (HiWord(wParam) = BN_CLICKED) then actSaveExecute(btnSave);
      if EventsReady and (HWND(lParam) = CheckBox1) and (HiWord(wParam) = BN_CLICKED) then actBoldExecute(CheckBox1);
      if (lParam = 0) and (wParam = 40001) then actNewExecute(hWindow);
      if (lParam = 0) and (wParam = 40002) then actOpenExecute(hWindow);
      if (lParam = 0) and (wParam = 40003) then actSaveExecute(hWindow);
      if (lParam = 0) and (wParam = 40004) then actExitExecute(hWindow);
      if (lParam = 0) and (wParam = 40005) then actBoldExecute(hWindow);
      exit;
    end;
    WM_MEASUREITEM: begin
      if PMeasureItemStruct(lParam)^.CtlType = ODT_MENU then begin
        if PMeasureItemStruct(lParam)^.itemWidth < 16 then PMeasureItemStruct(lParam)^.itemWidth := 16;
        if PMeasureItemStruct(lParam)^.itemHeight < 16 then PMeasureItemStruct(lParam)^.itemHeight := 16;
      end;
      Result := 1;
    end;
    WM_DRAWITEM: begin
      if (PDrawItemStruct(lParam)^.CtlType = ODT_MENU) and (HMENU(PDrawItemStruct(lParam)^.hwndItem) = pmList) then with PDrawItemStruct(lParam)^ do ImageList_Draw(ImageList1, itemData, hDC, rcItem.Left, rcItem.Top + (rcItem.Bottom - rcItem.Top - 16) div 2, ILD_TRANSPARENT);
      if (PDrawItemStruct(lParam)^.CtlType = ODT_MENU) and (HMENU(PDrawItemStruct(lParam)^.hwndItem) = mnuFile) then with PDrawItemStruct(lParam)^ do ImageList_Draw(ImageList1, itemData, hDC, rcItem.Left, rcItem.Top + (rcItem.Bottom - rcItem.Top - 16) div 2, ILD_TRANSPARENT);
      if (PDrawItemStruct(lParam)^.CtlType = ODT_MENU) and (HMENU(PDrawItemStruct(lParam)^.hwndItem) = mnuFormat) then with PDrawItemStruct(lParam)^ do ImageList_Draw(ImageList1, itemData, hDC, rcItem.Left, rcItem.Top + (rcItem.Bottom - rcItem.Top - 16) div 2, ILD_TRANSPARENT);
      Result := 1;
    end;
    WM_CONTEXTMENU: begin
      if HWND(wParam) = ListBox1 then begin ShowPopupMenu(pmList, ListBox1, lParam); Exit; end;
      if HWND(wParam) = hWindow then begin
        Spot.X := SmallInt(LoWord(lParam));
        Spot.Y := SmallInt(HiWord(lParam));
        ScreenToClient(hWindow, Spot);
        if (Spot.X >= 232) and (Spot.X < 442) and (Spot.Y >= 64) and (Spot.Y < 214) then begin ShowPopupMenu(pmList, hWindow, lParam); Exit; end;
      end;
      if HWND(wParam) = hWindow then begin ShowPopupMenu(pmForm, hWindow, lParam); Exit; end;
      Result := DefWindowProc(hWindow, Message, wParam, lParam);
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint panel: Panel1 }
      SaveDC(PaintDC);
      SetRect(PaintRect,232,64,442,214);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont1);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawText(PaintDC,PChar('A panel with its own menu'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_CENTER);
      RestoreDC(PaintDC,-1);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      EventsReady := False;
      DestroyMenu(pmForm);
      ImageList_Destroy(ImageList1);
      DestroyMenu(pmList);
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
  SetRect(WinRect, 0, 0, 460, 300);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, True, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 200;
  WinTop := 120;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Actions',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a popup menu ============================================= }
  pmForm := CreatePopupMenu;
  AppendMenu(pmForm, MF_STRING, 50001, 'About...');

  { Create a tool bar =============================================== }
  ToolBar1:= CreateWindow('ToolbarWindow32','', WS_VISIBLE or WS_CHILD or WS_CLIPSIBLINGS or CCS_NORESIZE or CCS_NOPARENTALIGN or TBSTYLE_WRAPABLE,
             0,0,460,29, hWindow, 0, Inst, nil);
  SendMessage(ToolBar1,TB_BUTTONSTRUCTSIZE,SizeOf(TTBButton),0);
  SendMessage(ToolBar1,TB_SETBUTTONSIZE,0,MakeLong(23,22));
  SendMessage(ToolBar1,TB_SETIMAGELIST,0,LParam(ImageList1));

  { Add the buttons of ToolBar1 }
  ToolBarButton.iBitmap := 0;
  ToolBarButton.idCommand := 1;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 1;
  ToolBarButton.idCommand := 2;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 2;
  ToolBarButton.idCommand := 3;
  ToolBarButton.fsState := 0;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 8;
  ToolBarButton.idCommand := 4;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_SEP;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 3;
  ToolBarButton.idCommand := 5;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_CHECK;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 4;
  ToolBarButton.idCommand := 6;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));

  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','Right-click the list, the panel or the form for a menu.', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,44,253,13, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  ListBox1:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP or LBS_NOINTEGRALHEIGHT,
             16,64,200,150, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Monday')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Tuesday')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Wednesday')) );

  { Create a popup menu ============================================= }
  pmList := CreatePopupMenu;
  AppendMenu(pmList, MF_STRING, 50002, '&New'#9'Ctrl+N');
  MenuItemImage.cbSize := SizeOf(MenuItemImage);
  MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;
  MenuItemImage.hbmpItem := HBMMENU_CALLBACK;
  MenuItemImage.dwItemData := 0;
  SetMenuItemInfo(pmList, 0, True, MenuItemImage);
  AppendMenu(pmList, MF_STRING, 50003, '&Open...'#9'Ctrl+O');
  MenuItemImage.cbSize := SizeOf(MenuItemImage);
  MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;
  MenuItemImage.hbmpItem := HBMMENU_CALLBACK;
  MenuItemImage.dwItemData := 1;
  SetMenuItemInfo(pmList, 1, True, MenuItemImage);
  AppendMenu(pmList, MF_STRING, 50004, 'Clear');

  { Create a button ================================================= }
  btnNew:= CreateWindow('Button','&New',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
           16,232,90,25, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  btnSave:= CreateWindow('Button','&Save',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or WS_DISABLED,
            116,232,90,25, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  CheckBox1:= CreateWindow('Button','&Bold',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              232,236,97,17, hWindow, 0, Inst, nil);
  SendMessage(CheckBox1,BM_SETCHECK,1,0);

  { Create the menu bar ============================================= }
  MainMenu1 := CreateMenu;
  mnuFile := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, mnuFile, '&File');
  AppendMenu(mnuFile, MF_STRING, 40001, '&New'#9'Ctrl+N');
  MenuItemImage.cbSize := SizeOf(MenuItemImage);
  MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;
  MenuItemImage.hbmpItem := HBMMENU_CALLBACK;
  MenuItemImage.dwItemData := 0;
  SetMenuItemInfo(mnuFile, 0, True, MenuItemImage);
  AppendMenu(mnuFile, MF_STRING, 40002, '&Open...'#9'Ctrl+O');
  MenuItemImage.cbSize := SizeOf(MenuItemImage);
  MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;
  MenuItemImage.hbmpItem := HBMMENU_CALLBACK;
  MenuItemImage.dwItemData := 1;
  SetMenuItemInfo(mnuFile, 1, True, MenuItemImage);
  AppendMenu(mnuFile, MF_STRING or MF_GRAYED, 40003, '&Save'#9'Ctrl+S');
  MenuItemImage.cbSize := SizeOf(MenuItemImage);
  MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;
  MenuItemImage.hbmpItem := HBMMENU_CALLBACK;
  MenuItemImage.dwItemData := 2;
  SetMenuItemInfo(mnuFile, 2, True, MenuItemImage);
  AppendMenu(mnuFile, MF_SEPARATOR, 0, nil);
  AppendMenu(mnuFile, MF_STRING, 40004, 'E&xit');
  MenuItemImage.cbSize := SizeOf(MenuItemImage);
  MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;
  MenuItemImage.hbmpItem := HBMMENU_CALLBACK;
  MenuItemImage.dwItemData := 4;
  SetMenuItemInfo(mnuFile, 4, True, MenuItemImage);
  mnuFormat := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, mnuFormat, 'F&ormat');
  AppendMenu(mnuFormat, MF_STRING or MF_CHECKED, 40005, '&Bold'#9'Ctrl+B');
  MenuItemImage.cbSize := SizeOf(MenuItemImage);
  MenuItemImage.fMask := MIIM_BITMAP or MIIM_DATA;
  MenuItemImage.hbmpItem := HBMMENU_CALLBACK;
  MenuItemImage.dwItemData := 3;
  SetMenuItemInfo(mnuFormat, 0, True, MenuItemImage);
  SetMenu(hWindow, MainMenu1);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(ToolBar1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(Label1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ListBox1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(btnNew,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(btnSave,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CheckBox1,WM_SETFONT,hFont1,0);


  { From here on the handlers of the form's events run }
  EventsReady := True;
  SetFocus(ListBox1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


