Program workbench ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
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
    TabItem: TC_ITEM;
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
    ListColumn: TLVColumn;
    ListItem: TLVItem;
    FilesView: HWND;
    TreeInsert: TTVInsertStruct;
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

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint panel: HeaderPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,24,600,57);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_INFOBK));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      SelectObject(PaintDC,hFont2);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,RGB(0,0,128));
      DrawText(PaintDC,PChar('  Project Alpha: settings, files and folders'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_LEFT);
      RestoreDC(PaintDC,-1);
      { Paint panel: BottomPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,359,600,400);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      DrawEdge(PaintDC,PaintRect,BDR_SUNKENOUTER,BF_RECT or BF_ADJUST);
      SelectObject(PaintDC,hFont1);
      SetBkMode(PaintDC,TRANSPARENT);
      SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));
      DrawText(PaintDC,PChar('  Ready'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_LEFT);
      RestoreDC(PaintDC,-1);
      { Paint panel: ClientPanel }
      SaveDC(PaintDC);
      SetRect(PaintRect,0,57,600,359);
      PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
      FillRect(PaintDC,PaintRect,PaintBrush);
      DeleteObject(PaintBrush);
      InflateRect(PaintRect,-6,-6);
      RestoreDC(PaintDC,-1);
      { Page GeneralSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 0) then IntersectClipRect(PaintDC,10,87,590,349) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page FilesSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 1) then IntersectClipRect(PaintDC,10,87,590,349) else IntersectClipRect(PaintDC,0,0,0,0);
      RestoreDC(PaintDC, -1);
      { Page FoldersSheet of PageControl1: painted while it is chosen }
      SaveDC(PaintDC);
      if (TabCtrl_GetCurSel(PageControl1) = 2) then IntersectClipRect(PaintDC,10,87,590,349) else IntersectClipRect(PaintDC,0,0,0,0);
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
  SetRect(WinRect, 0, 0, 600, 400);
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
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic workbench',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a tool bar =============================================== }
  ToolBar1:= CreateWindow('ToolbarWindow32','', WS_VISIBLE or WS_CHILD or WS_CLIPSIBLINGS or CCS_NORESIZE or CCS_NOPARENTALIGN or CCS_NODIVIDER or TBSTYLE_FLAT or TBSTYLE_LIST or TBSTYLE_WRAPABLE,
             0,0,600,24, hWindow, 0, Inst, nil);
  SendMessage(ToolBar1,TB_BUTTONSTRUCTSIZE,SizeOf(TTBButton),0);
  SendMessage(ToolBar1,TB_SETBUTTONSIZE,0,MakeLong(52,22));

  { Add the buttons of ToolBar1 }
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 1;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PChar('New'));
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 2;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PChar('Open'));
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 3;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PChar('Save'));
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := 8;
  ToolBarButton.idCommand := 4;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_SEP;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 5;
  ToolBarButton.fsState := TBSTATE_ENABLED or TBSTATE_CHECKED;
  ToolBarButton.fsStyle := BTNS_CHECK;
  ToolBarButton.iString := INT_PTR(PChar('Grid'));
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));

  { Create a button ================================================= }
  OkButton:= CreateWindow('Button','OK',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
             436,367,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CloseButton:= CreateWindow('Button','Close',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                517,367,75,25, hWindow, IDCANCEL, Inst, nil);

  { Create a tab control ============================================ }
  PageControl1:= CreateWindow('SysTabControl32','',WS_VISIBLE or WS_CHILD or WS_TABSTOP,
                 6,63,588,290, hWindow, 0, Inst, nil);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('General');
  TabCtrl_InsertItem(PageControl1, 0, TabItem);

  { Create a label (static) ========================================= }
  NameLabel:= Createwindow('Static','&Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
              22,103,31,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  CountLabel:= Createwindow('Static','&Copies:', WS_VISIBLE or WS_CHILD or SS_LEFT,
               22,135,36,13, hWindow, 0, Inst, nil);

  { Create a label (static) ========================================= }
  DueLabel:= Createwindow('Static','&Due:', WS_VISIBLE or WS_CHILD or SS_LEFT,
             22,167,23,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  NameEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','on the first sheet', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
             82,99,200,21, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  CountEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','3', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
              82,131,49,21, hWindow, 0, Inst, nil);

  { Create an up-down =============================================== }
  CountUpDown:= CreateWindow('msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT or UDS_ARROWKEYS,
                131,131,16,21, hWindow, 0, Inst, nil);
  SetWindowPos(CountUpDown,0,0,0,16,21,SWP_NOMOVE or SWP_NOZORDER);
  InvalidateRect(CountUpDown,nil,True);
  SendMessage(CountUpDown,UDM_SETRANGE32,1,20);
  SendMessage(CountUpDown,UDM_SETPOS32,0,3);

  { Create a date and time picker =================================== }
  DuePicker:= CreateWindow('SysDateTimePick32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or DTS_SHORTDATEFORMAT,
              82,163,200,21, hWindow, 0, Inst, nil);
  { show the stored date }
  PickerTime.wYear := 2024; PickerTime.wMonth := 4; PickerTime.wDay := 1; PickerTime.wDayOfWeek := 1;
  PickerTime.wHour := 9; PickerTime.wMinute := 0; PickerTime.wSecond := 0; PickerTime.wMilliseconds := 0;
  SendMessage(DuePicker,DTM_SETSYSTEMTIME,GDT_VALID,LParam(@PickerTime));

  { Create a radio group ============================================ }
  PriorityGroup:= CreateWindowEx(WS_EX_CONTROLPARENT, 'Button','Priority', WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
                  310,95,185,105, hWindow, 0, Inst, nil);
  CreateWindow('Button','Low', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_GROUP,
    8,15,175,21, PriorityGroup, 1, Inst, nil);
  CreateWindow('Button','Normal', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
    8,36,175,21, PriorityGroup, 2, Inst, nil);
  CreateWindow('Button','High', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,57,175,21, PriorityGroup, 3, Inst, nil);
  CreateWindow('Button','Urgent', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,78,175,21, PriorityGroup, 4, Inst, nil);
  SendMessage(GetDlgItem(PriorityGroup,2),BM_SETCHECK,1,0);

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Files');
  TabCtrl_InsertItem(PageControl1, 1, TabItem);

  { Create a list view ============================================== }
  FilesView:= CreateWindowEx(WS_EX_CLIENTEDGE, 'SysListView32','', WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL,
              18,95,564,246, hWindow, 0, Inst, nil);
  SendMessage(FilesView,LVM_SETEXTENDEDLISTVIEWSTYLE,0,LVS_EX_GRIDLINES or LVS_EX_FULLROWSELECT);
  { add columns to list view }
  ListColumn.mask := LVCF_TEXT or LVCF_WIDTH or LVCF_FMT;
  ListColumn.fmt := LVCFMT_LEFT; ListColumn.cx := 260; ListColumn.pszText := PChar('Name');
  SendMessage(FilesView,LVM_INSERTCOLUMN,0,LParam(@ListColumn));
  ListColumn.fmt := LVCFMT_RIGHT; ListColumn.cx := 90; ListColumn.pszText := PChar('Size');
  SendMessage(FilesView,LVM_INSERTCOLUMN,1,LParam(@ListColumn));
  ListColumn.fmt := LVCFMT_LEFT; ListColumn.cx := 120; ListColumn.pszText := PChar('Modified');
  SendMessage(FilesView,LVM_INSERTCOLUMN,2,LParam(@ListColumn));
  { add items to list view }
  ListItem.mask := LVIF_TEXT;
  ListItem.iItem := 0; ListItem.iSubItem := 0; ListItem.pszText := PChar('plan.txt');
  SendMessage(FilesView,LVM_INSERTITEM,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PChar('4 KB');
  SendMessage(FilesView,LVM_SETITEMTEXT,0,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PChar('2024-04-02');
  SendMessage(FilesView,LVM_SETITEMTEXT,0,LParam(@ListItem));
  ListItem.iItem := 1; ListItem.iSubItem := 0; ListItem.pszText := PChar('budget.xls');
  SendMessage(FilesView,LVM_INSERTITEM,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PChar('38 KB');
  SendMessage(FilesView,LVM_SETITEMTEXT,1,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PChar('2024-03-28');
  SendMessage(FilesView,LVM_SETITEMTEXT,1,LParam(@ListItem));
  ListItem.iItem := 2; ListItem.iSubItem := 0; ListItem.pszText := PChar('logo.bmp');
  SendMessage(FilesView,LVM_INSERTITEM,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PChar('112 KB');
  SendMessage(FilesView,LVM_SETITEMTEXT,2,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PChar('2024-03-15');
  SendMessage(FilesView,LVM_SETITEMTEXT,2,LParam(@ListItem));
  ListItem.iItem := 3; ListItem.iSubItem := 0; ListItem.pszText := PChar('notes.doc');
  SendMessage(FilesView,LVM_INSERTITEM,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PChar('21 KB');
  SendMessage(FilesView,LVM_SETITEMTEXT,3,LParam(@ListItem));
  ListItem.iSubItem := 2; ListItem.pszText := PChar('2024-04-01');
  SendMessage(FilesView,LVM_SETITEMTEXT,3,LParam(@ListItem));

  TabItem.mask := TCIF_TEXT;
  TabItem.pszText := PChar('Folders');
  TabCtrl_InsertItem(PageControl1, 2, TabItem);

  { Create a tree view ============================================== }
  FolderTree:= CreateWindowEx(WS_EX_CLIENTEDGE, 'SysTreeView32','', WS_CHILD or WS_TABSTOP or TVS_HASLINES or TVS_HASBUTTONS or TVS_LINESATROOT or TVS_EDITLABELS,
               18,95,250,246, hWindow, 0, Inst, nil);
  SendMessage(FolderTree,TVM_SETINDENT,19,0);
  { add items to tree view }
  TreeInsert.hInsertAfter := TVI_LAST; TreeInsert.item.mask := TVIF_TEXT;
  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PChar('Projects');
  TreeNodes[0] := HTREEITEM(SendMessage(FolderTree,TVM_INSERTITEM,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PChar('Alpha');
  TreeNodes[1] := HTREEITEM(SendMessage(FolderTree,TVM_INSERTITEM,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[1]; TreeInsert.item.pszText := PChar('Documents');
  SendMessage(FolderTree,TVM_INSERTITEM,0,LParam(@TreeInsert));
  TreeInsert.hParent := TreeNodes[1]; TreeInsert.item.pszText := PChar('Source');
  SendMessage(FolderTree,TVM_INSERTITEM,0,LParam(@TreeInsert));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PChar('Beta');
  SendMessage(FolderTree,TVM_INSERTITEM,0,LParam(@TreeInsert));
  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PChar('Archive');
  TreeNodes[0] := HTREEITEM(SendMessage(FolderTree,TVM_INSERTITEM,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PChar('2023');
  SendMessage(FolderTree,TVM_INSERTITEM,0,LParam(@TreeInsert));

  { Create a checkbox =============================================== }
  HiddenCheck:= CreateWindow('Button','Show hidden folders',WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
                282,95,200,17, hWindow, 0, Inst, nil);

  { Create the menu bar ============================================= }
  MainMenu1 := CreateMenu;
  FileMenu := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, FileMenu, '&File');
  AppendMenu(FileMenu, MF_STRING, 40001, '&New'#9'Ctrl+N');
  AppendMenu(FileMenu, MF_STRING, 40002, '&Open...'#9'Ctrl+O');
  AppendMenu(FileMenu, MF_STRING, 40003, '&Save'#9'Ctrl+S');
  AppendMenu(FileMenu, MF_SEPARATOR, 0, nil);
  AppendMenu(FileMenu, MF_STRING, 40004, 'E&xit'#9'Alt+F4');
  ViewMenu := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, ViewMenu, '&View');
  AppendMenu(ViewMenu, MF_STRING or MF_CHECKED, 40005, '&Tool bar');
  AppendMenu(ViewMenu, MF_STRING or MF_CHECKED, 40006, '&Grid lines'#9'Ctrl+G');
  AppendMenu(ViewMenu, MF_STRING, 40007, '&Refresh'#9'F5');
  HelpMenu := CreatePopupMenu;
  AppendMenu(MainMenu1, MF_POPUP, HelpMenu, '&Help');
  AppendMenu(HelpMenu, MF_STRING, 40008, '&About...');
  SetMenu(hWindow, MainMenu1);

  SendMessage(CountUpDown,UDM_SETBUDDY,CountEdit,0);

  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');
  hFont2 := CreateFont(-13,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(ToolBar1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(OkButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CloseButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PageControl1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(NameLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CountLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(DueLabel,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(NameEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CountEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CountUpDown,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(DuePicker,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PriorityGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PriorityGroup,1),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PriorityGroup,2),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PriorityGroup,3),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PriorityGroup,4),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(FilesView,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(FolderTree,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(HiddenCheck,WM_SETFONT,hFont1,0);


  TabCtrl_SetCurSel(PageControl1, 0);
  { The main window paints the inside of the pages of PageControl1 }
  SetRect(PageRect, 0, 0, 588, 290);
  TabCtrl_AdjustRect(PageControl1, False, PageRect);
  PageRgn := CreateRectRgn(0, 0, 588, 290);
  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, PageRect.Bottom);
  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);
  DeleteObject(InsideRgn);
  SetWindowRgn(PageControl1, PageRgn, False);
  { From here on the handlers of the form's events run }
  EventsReady := True;
  SetFocus(PageControl1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


