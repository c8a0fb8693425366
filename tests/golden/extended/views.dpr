Program views ;

Uses Windows, Messages, CommCtrl;
{$R *.RES}

Var WinClass: TWndClassW;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    WorkArea: TRect;
    EraseRect: TRect;
    WinLeft, WinTop, WinWidth, WinHeight: Integer;
    CommonClasses: TInitCommonControlsEx;
    PickerTime: TSystemTime;
    DueDate: HWND;
    DueTime: HWND;
    Reminder: HWND;
    ListColumn: TLVColumnW;
    ListItem: TLVItemW;
    FileIcons: HIMAGELIST;
    ImageBitmap, ImageMask: HBITMAP;
    Files: HWND;
    TreeInsert: TTVInsertStructW;
    TreeNodes: array[0..63] of HTREEITEM;
    Folders: HWND;
    Calendar: HWND;
    Notes: HWND;
    Phone: HWND;
    Colour: HWND;
    ComboItem: TComboBoxExItemW;
    Size: HWND;
    Options: HWND;
    ListIndex: Integer;
    Scores: HWND;
    Swatches: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    hFont1: HFONT;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      CommonClasses.dwSize := SizeOf(CommonClasses);
      CommonClasses.dwICC := ICC_DATE_CLASSES;
      InitCommonControlsEx(CommonClasses);
      InitCommonControls;
      { Image list FileIcons }
      FileIcons := ImageList_Create(16,16,ILC_COLOR24 or ILC_MASK,3,0);
      ImageBitmap := LoadBitmap(Inst,PChar('BMP_FileIcons'));
      ImageMask := LoadBitmap(Inst,PChar('BMP_FileIconsMask'));
      ImageList_Add(FileIcons,ImageBitmap,ImageMask);
      DeleteObject(ImageMask);
      DeleteObject(ImageBitmap);
      CommonClasses.dwSize := SizeOf(CommonClasses);
      CommonClasses.dwICC := ICC_USEREX_CLASSES;
      InitCommonControlsEx(CommonClasses);
    end;
    WM_COMMAND: begin
      exit;
    end;

    WM_DESTROY: begin
      ImageList_Destroy(FileIcons);
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
  SetRect(WinRect, 0, 0, 720, 460);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  WinWidth := WinRect.Right - WinRect.Left;
  WinHeight := WinRect.Bottom - WinRect.Top;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 120;
  WinTop := 80;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowExW(WS_EX_WINDOWEDGE, 'MyWindowClass','Dates, views, grids and variants',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a date and time picker =================================== }
  DueDate:= CreateWindowExW(0, 'SysDateTimePick32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or DTS_LONGDATEFORMAT,
            8,8,186,21, hWindow, 0, Inst, nil);
  { show the stored date }
  PickerTime.wYear := 2024; PickerTime.wMonth := 1; PickerTime.wDay := 1; PickerTime.wDayOfWeek := 1;
  PickerTime.wHour := 12; PickerTime.wMinute := 0; PickerTime.wSecond := 0; PickerTime.wMilliseconds := 0;
  SendMessageW(DueDate,DTM_SETSYSTEMTIME,GDT_VALID,LParam(@PickerTime));

  { Create a date and time picker =================================== }
  DueTime:= CreateWindowExW(0, 'SysDateTimePick32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or DTS_TIMEFORMAT,
            200,8,100,21, hWindow, 0, Inst, nil);
  { show the stored date }
  PickerTime.wYear := 2024; PickerTime.wMonth := 1; PickerTime.wDay := 1; PickerTime.wDayOfWeek := 1;
  PickerTime.wHour := 15; PickerTime.wMinute := 30; PickerTime.wSecond := 0; PickerTime.wMilliseconds := 0;
  SendMessageW(DueTime,DTM_SETSYSTEMTIME,GDT_VALID,LParam(@PickerTime));

  { Create a date and time picker =================================== }
  Reminder:= CreateWindowExW(0, 'SysDateTimePick32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or DTS_SHORTDATEFORMAT or DTS_SHOWNONE,
             306,8,130,21, hWindow, 0, Inst, nil);
  { show the stored date }
  PickerTime.wYear := 2024; PickerTime.wMonth := 1; PickerTime.wDay := 8; PickerTime.wDayOfWeek := 1;
  PickerTime.wHour := 9; PickerTime.wMinute := 0; PickerTime.wSecond := 0; PickerTime.wMilliseconds := 0;
  SendMessageW(Reminder,DTM_SETSYSTEMTIME,GDT_VALID,LParam(@PickerTime));
  SendMessageW(Reminder,DTM_SETSYSTEMTIME,GDT_NONE,LParam(@PickerTime));

  { Create a list view ============================================== }
  Files:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysListView32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL or LVS_SHAREIMAGELISTS,
          8,40,300,130, hWindow, 0, Inst, nil);
  SendMessageW(Files,LVM_SETEXTENDEDLISTVIEWSTYLE,0,LVS_EX_GRIDLINES or LVS_EX_FULLROWSELECT);
  SendMessageW(Files,LVM_SETIMAGELIST,LVSIL_SMALL,LParam(FileIcons));
  { add columns to list view }
  ListColumn.mask := LVCF_TEXT or LVCF_WIDTH or LVCF_FMT;
  ListColumn.fmt := LVCFMT_LEFT; ListColumn.cx := 180; ListColumn.pszText := PWideChar('Name');
  SendMessageW(Files,LVM_INSERTCOLUMNW,0,LParam(@ListColumn));
  ListColumn.fmt := LVCFMT_RIGHT; ListColumn.cx := 90; ListColumn.pszText := PWideChar('Size');
  SendMessageW(Files,LVM_INSERTCOLUMNW,1,LParam(@ListColumn));
  { add items to list view }
  ListItem.mask := LVIF_TEXT or LVIF_IMAGE;
  ListItem.iItem := 0; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('readme.txt');
  ListItem.iImage := 0;
  SendMessageW(Files,LVM_INSERTITEMW,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('2 KB');
  SendMessageW(Files,LVM_SETITEMTEXTW,0,LParam(@ListItem));
  ListItem.iItem := 1; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('report.pdf');
  ListItem.iImage := 0;
  SendMessageW(Files,LVM_INSERTITEMW,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('310 KB');
  SendMessageW(Files,LVM_SETITEMTEXTW,1,LParam(@ListItem));
  ListItem.iItem := 2; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('photo.jpg');
  ListItem.iImage := 2;
  SendMessageW(Files,LVM_INSERTITEMW,0,LParam(@ListItem));
  ListItem.iSubItem := 1; ListItem.pszText := PWideChar('1.2 MB');
  SendMessageW(Files,LVM_SETITEMTEXTW,2,LParam(@ListItem));

  { Create a tree view ============================================== }
  Folders:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysTreeView32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or TVS_HASLINES or TVS_HASBUTTONS or TVS_LINESATROOT or TVS_EDITLABELS,
            316,40,160,130, hWindow, 0, Inst, nil);
  SendMessageW(Folders,TVM_SETINDENT,19,0);
  SendMessageW(Folders,TVM_SETIMAGELIST,TVSIL_NORMAL,LParam(FileIcons));
  { add items to tree view }
  TreeInsert.hInsertAfter := TVI_LAST; TreeInsert.item.mask := TVIF_TEXT or TVIF_IMAGE or TVIF_SELECTEDIMAGE;
  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PWideChar('Documents');
  TreeInsert.item.iImage := 1; TreeInsert.item.iSelectedImage := 1;
  TreeNodes[0] := HTREEITEM(SendMessageW(Folders,TVM_INSERTITEMW,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PWideChar('Letters');
  TreeInsert.item.iImage := 1; TreeInsert.item.iSelectedImage := 1;
  TreeNodes[1] := HTREEITEM(SendMessageW(Folders,TVM_INSERTITEMW,0,LParam(@TreeInsert)));
  TreeInsert.hParent := TreeNodes[1]; TreeInsert.item.pszText := PWideChar('2024');
  TreeInsert.item.iImage := 1; TreeInsert.item.iSelectedImage := 1;
  SendMessageW(Folders,TVM_INSERTITEMW,0,LParam(@TreeInsert));
  TreeInsert.hParent := TreeNodes[0]; TreeInsert.item.pszText := PWideChar('Invoices');
  TreeInsert.item.iImage := 1; TreeInsert.item.iSelectedImage := 1;
  SendMessageW(Folders,TVM_INSERTITEMW,0,LParam(@TreeInsert));
  TreeInsert.hParent := TVI_ROOT; TreeInsert.item.pszText := PWideChar('Pictures');
  TreeInsert.item.iImage := 1; TreeInsert.item.iSelectedImage := 1;
  SendMessageW(Folders,TVM_INSERTITEMW,0,LParam(@TreeInsert));

  { Create a month calendar ========================================= }
  Calendar:= CreateWindowExW(0, 'SysMonthCal32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP,
             484,8,228,162, hWindow, 0, Inst, nil);
  { show the stored date }
  PickerTime.wYear := 2024; PickerTime.wMonth := 1; PickerTime.wDay := 1; PickerTime.wDayOfWeek := 1;
  PickerTime.wHour := 0; PickerTime.wMinute := 0; PickerTime.wSecond := 0; PickerTime.wMilliseconds := 0;
  SendMessageW(Calendar,MCM_SETCURSEL,0,LParam(@PickerTime));

  { Create a rich edit ============================================== }
  Notes:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_MULTILINE or ES_AUTOVSCROLL or WS_VSCROLL or ES_WANTRETURN,
          8,180,300,89, hWindow, 0, Inst, nil);
  { add lines to rich edit }
  SendMessageW(Notes,WM_SETTEXT,0,LParam(PWideChar('A rich edit with two lines,'+#13#10+'shown in a multi-line edit.')));

  { Create a masked edit field ====================================== }
  Phone:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','(   )    -    ', WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL,
          316,180,121,21, hWindow, 0, Inst, nil);
  SendMessageW(Phone,EM_LIMITTEXT,14,0);

  { Create a colour box ============================================= }
  Colour:= CreateWindowExW(0, 'combobox','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL or CBS_DROPDOWNLIST,
           316,210,121,150, hWindow, 0, Inst, nil);
  { add colours to colour box }
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Black')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Maroon')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Green')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Olive')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Navy')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Purple')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Teal')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Gray')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Silver')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Red')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Lime')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Yellow')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Blue')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Fuchsia')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('Aqua')));
  SendMessageW(Colour,CB_ADDSTRING,0,LParam(PWideChar('White')));
  SendMessageW(Colour,CB_SETCURSEL,4,0);

  { Create an extended combo box ==================================== }
  Size:= CreateWindowExW(0, 'ComboBoxEx32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL or CBS_DROPDOWNLIST,
         316,242,121,150, hWindow, 0, Inst, nil);
  SendMessageW(Size,CBEM_SETIMAGELIST,0,LParam(FileIcons));
  { add items to combo box }
  ComboItem.mask := CBEIF_TEXT or CBEIF_IMAGE or CBEIF_SELECTEDIMAGE;
  ComboItem.iItem := 0; ComboItem.pszText := PWideChar('Small'); ComboItem.iImage := 0; ComboItem.iSelectedImage := 0;
  SendMessageW(Size,CBEM_INSERTITEMW,0,LParam(@ComboItem));
  ComboItem.iItem := 1; ComboItem.pszText := PWideChar('Medium'); ComboItem.iImage := 1; ComboItem.iSelectedImage := 1;
  SendMessageW(Size,CBEM_INSERTITEMW,0,LParam(@ComboItem));
  ComboItem.iItem := 2; ComboItem.pszText := PWideChar('Large'); ComboItem.iImage := 2; ComboItem.iSelectedImage := 2;
  SendMessageW(Size,CBEM_INSERTITEMW,0,LParam(@ComboItem));
  SendMessageW(Size,CB_SETCURSEL,1,0);

  { Create a check list box ========================================= }
  Options:= CreateWindowExW(WS_EX_CLIENTEDGE, 'listbox','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or WS_VSCROLL or LBS_NOTIFY or LBS_NOINTEGRALHEIGHT,
            484,180,228,89, hWindow, 0, Inst, nil);
  SendMessageW(Options,LB_SETITEMHEIGHT,0,16);
  { add items to check list box }
  SendMessageW(Options,LB_ADDSTRING,0,LParam(PWideChar('Show hidden files')));
  SendMessageW(Options,LB_ADDSTRING,0,LParam(PWideChar('Sort by name')));
  SendMessageW(Options,LB_ADDSTRING,0,LParam(PWideChar('Group by type')));

  { Create a grid =================================================== }
  Scores:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysListView32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL,
           8,280,380,172, hWindow, 0, Inst, nil);
  SendMessageW(Scores,LVM_SETEXTENDEDLISTVIEWSTYLE,0,LVS_EX_GRIDLINES);
  SendMessageW(Scores,LVM_SETIMAGELIST,LVSIL_SMALL,LParam(ImageList_Create(1,24,ILC_COLOR,0,1)));
  { add columns to grid }
  ListColumn.mask := LVCF_WIDTH;
  ListColumn.cx := 121; SendMessageW(Scores,LVM_INSERTCOLUMNW,0,LParam(@ListColumn));
  ListColumn.cx := 81; for ListIndex := 1 to 3 do SendMessageW(Scores,LVM_INSERTCOLUMNW,ListIndex,LParam(@ListColumn));
  { add rows to grid }
  ListItem.mask := LVIF_TEXT; ListItem.iSubItem := 0; ListItem.pszText := '';
  for ListIndex := 0 to 4 do begin ListItem.iItem := ListIndex; SendMessageW(Scores,LVM_INSERTITEMW,0,LParam(@ListItem)); end;

  { Create a grid =================================================== }
  Swatches:= CreateWindowExW(WS_EX_CLIENTEDGE, 'SysListView32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL or LVS_NOCOLUMNHEADER,
             396,280,318,172, hWindow, 0, Inst, nil);
  SendMessageW(Swatches,LVM_SETEXTENDEDLISTVIEWSTYLE,0,LVS_EX_GRIDLINES);
  SendMessageW(Swatches,LVM_SETIMAGELIST,LVSIL_SMALL,LParam(ImageList_Create(1,36,ILC_COLOR,0,1)));
  { add columns to grid }
  ListColumn.mask := LVCF_WIDTH;
  ListColumn.cx := 37; for ListIndex := 0 to 5 do SendMessageW(Swatches,LVM_INSERTCOLUMNW,ListIndex,LParam(@ListColumn));
  { add rows to grid }
  ListItem.mask := LVIF_TEXT; ListItem.iSubItem := 0; ListItem.pszText := '';
  for ListIndex := 0 to 3 do begin ListItem.iItem := ListIndex; SendMessageW(Swatches,LVM_INSERTITEMW,0,LParam(@ListItem)); end;


  { Create Font Handle =================================================== }
  hFont1 := CreateFontW(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessageW(DueDate,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(DueTime,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Reminder,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Files,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Folders,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Calendar,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Notes,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Phone,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Colour,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Size,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Options,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Scores,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessageW(Swatches,WM_SETFONT,hFont1,0);

  SetFocus(DueDate);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessageW(TheMessage,0,0,0) do begin
    if not IsDialogMessageW(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessageW(TheMessage);
    end;
  end;
end.


