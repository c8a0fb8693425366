Program common_controls ;

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
    OrientationGroup: HWND;
    PagesGroup: HWND;
    CopiesUpDown: HWND;
    CopiesEdit: HWND;
    lblCopiesEdit: HWND;
    PrinterEdit: HWND;
    lblPrinterEdit: HWND;
    SpinRect: TRect;
    UpDownAccel: TUDAccel;
    MarginEdit: HWND;
    ScrollInfo: TScrollInfo;
    ZoomBar: HWND;
    PrintKey: HWND;
    SpeedSibling: HWND;
    SpeedDown: Integer;
    LeftButton: HWND;
    CenterButton: HWND;
    RightButton: HWND;
    HelpButton: HWND;
    PrintButton: HWND;
    CancelButton: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    OldPen: HPEN;
    Pen1: HPEN;
    OldBrush: HBRUSH;
    Brush1: HBRUSH;
    hFont1: HFONT;

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
{$I common_controls.events.inc}

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      InitCommonControls;
      { Create Pens }
      Pen1 := CreatePen(PS_SOLID,1,RGB(128,128,128));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(192,192,192));
    end;
    WM_COMMAND: begin
      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 1) then NewButtonClick(ToolBar1);
      if HWND(lParam) = LeftButton then begin
        SpeedDown := 1;
        SpeedSibling := GetWindow(LeftButton,GW_HWNDFIRST);
        while SpeedSibling <> 0 do begin
          if GetProp(SpeedSibling,'SpeedGroup') = 1 then SendMessage(SpeedSibling,BM_SETCHECK,0,0);
          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);
        end;
        SendMessage(LeftButton,BM_SETCHECK,SpeedDown,0);
      end;
      if HWND(lParam) = CenterButton then begin
        SpeedDown := 1;
        SpeedSibling := GetWindow(CenterButton,GW_HWNDFIRST);
        while SpeedSibling <> 0 do begin
          if GetProp(SpeedSibling,'SpeedGroup') = 1 then SendMessage(SpeedSibling,BM_SETCHECK,0,0);
          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);
        end;
        SendMessage(CenterButton,BM_SETCHECK,SpeedDown,0);
      end;
      if HWND(lParam) = RightButton then begin
        SpeedDown := 1;
        SpeedSibling := GetWindow(RightButton,GW_HWNDFIRST);
        while SpeedSibling <> 0 do begin
          if GetProp(SpeedSibling,'SpeedGroup') = 1 then SendMessage(SpeedSibling,BM_SETCHECK,0,0);
          SpeedSibling := GetWindow(SpeedSibling,GW_HWNDNEXT);
        end;
        SendMessage(RightButton,BM_SETCHECK,SpeedDown,0);
      end;
      exit;
    end;
    WM_HSCROLL, WM_VSCROLL: begin
      { The thumb of a scroll bar follows the user }
      if GetProp(HWND(lParam),'ScrollPage') <> 0 then begin
        ScrollInfo.cbSize := SizeOf(ScrollInfo);
        ScrollInfo.fMask := SIF_ALL;
        GetScrollInfo(HWND(lParam),SB_CTL,ScrollInfo);
        case LoWord(wParam) of
          SB_LINELEFT: Dec(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollLine')));
          SB_LINERIGHT: Inc(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollLine')));
          SB_PAGELEFT: Dec(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollPage')));
          SB_PAGERIGHT: Inc(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollPage')));
          SB_THUMBTRACK, SB_THUMBPOSITION: ScrollInfo.nPos := ScrollInfo.nTrackPos;
          SB_LEFT: ScrollInfo.nPos := ScrollInfo.nMin;
          SB_RIGHT: ScrollInfo.nPos := ScrollInfo.nMax;
        end;
        ScrollInfo.fMask := SIF_POS;
        SetScrollInfo(HWND(lParam),SB_CTL,ScrollInfo,True);
      end;
    end;

    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint splitter: Splitter1 }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      Rectangle(PaintDC,0,196,472,200);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      EventsReady := False;
      RemoveProp(ZoomBar,'ScrollLine');
      RemoveProp(ZoomBar,'ScrollPage');
      RemoveProp(LeftButton,'SpeedGroup');
      RemoveProp(CenterButton,'SpeedGroup');
      RemoveProp(RightButton,'SpeedGroup');
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Brush1);
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
  WinWidth := 480;
  WinHeight := 360;
  SystemParametersInfo(SPI_GETWORKAREA, 0, @WorkArea, 0);
  WinLeft := 220;
  WinTop := 120;
  if WinLeft + WinWidth > WorkArea.Right then WinLeft := WorkArea.Right - WinWidth;
  if WinTop + WinHeight > WorkArea.Bottom then WinTop := WorkArea.Bottom - WinHeight;
  if WinLeft < WorkArea.Left then WinLeft := WorkArea.Left;
  if WinTop < WorkArea.Top then WinTop := WorkArea.Top;
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Print settings',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            WinLeft,WinTop,WinWidth,WinHeight,0, 0, Inst, nil);


  { Create a tool bar =============================================== }
  ToolBar1:= CreateWindow('ToolbarWindow32','', WS_VISIBLE or WS_CHILD or WS_CLIPSIBLINGS or CCS_NORESIZE or CCS_NOPARENTALIGN or CCS_NODIVIDER or TBSTYLE_FLAT or TBSTYLE_LIST or TBSTYLE_WRAPABLE,
             0,0,472,24, hWindow, 0, Inst, nil);
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
  ToolBarButton.iBitmap := 8;
  ToolBarButton.idCommand := 3;
  ToolBarButton.fsState := TBSTATE_ENABLED;
  ToolBarButton.fsStyle := BTNS_SEP;
  ToolBarButton.iString := 0;
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 4;
  ToolBarButton.fsState := TBSTATE_ENABLED or TBSTATE_CHECKED;
  ToolBarButton.fsStyle := BTNS_CHECK;
  ToolBarButton.iString := INT_PTR(PChar('Preview'));
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));
  ToolBarButton.iBitmap := I_IMAGENONE;
  ToolBarButton.idCommand := 5;
  ToolBarButton.fsState := 0;
  ToolBarButton.fsStyle := BTNS_BUTTON;
  ToolBarButton.iString := INT_PTR(PChar('Send'));
  SendMessage(ToolBar1,TB_ADDBUTTONS,1,LParam(@ToolBarButton));

  { Create a radio group ============================================ }
  OrientationGroup:= CreateWindowEx(WS_EX_CONTROLPARENT, 'Button','Orientation', WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
                     8,32,185,81, hWindow, 0, Inst, nil);
  CreateWindow('Button','Portrait', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_GROUP,
    8,14,175,21, OrientationGroup, 1, Inst, nil);
  CreateWindow('Button','Landscape', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
    8,35,175,21, OrientationGroup, 2, Inst, nil);
  CreateWindow('Button','Automatic', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,56,175,21, OrientationGroup, 3, Inst, nil);
  SendMessage(GetDlgItem(OrientationGroup,2),BM_SETCHECK,1,0);

  { Create a radio group ============================================ }
  PagesGroup:= CreateWindowEx(WS_EX_CONTROLPARENT, 'Button','Pages', WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
               8,120,185,65, hWindow, 0, Inst, nil);
  CreateWindow('Button','All', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_GROUP or WS_TABSTOP,
    8,14,87,23, PagesGroup, 1, Inst, nil);
  CreateWindow('Button','Odd', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    8,37,87,23, PagesGroup, 2, Inst, nil);
  CreateWindow('Button','Even', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    95,14,87,23, PagesGroup, 3, Inst, nil);
  CreateWindow('Button','Range', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON,
    95,37,87,23, PagesGroup, 4, Inst, nil);
  SendMessage(GetDlgItem(PagesGroup,1),BM_SETCHECK,1,0);

  { Create an up-down =============================================== }
  CopiesUpDown:= CreateWindow('msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT or UDS_ARROWKEYS,
                 425,48,16,21, hWindow, 0, Inst, nil);
  SetWindowPos(CopiesUpDown,0,0,0,16,21,SWP_NOMOVE or SWP_NOZORDER);
  InvalidateRect(CopiesUpDown,nil,True);
  SendMessage(CopiesUpDown,UDM_SETRANGE32,1,99);
  SendMessage(CopiesUpDown,UDM_SETPOS32,0,2);

  { Create a labeled edit =========================================== }
  CopiesEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','2', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
               376,48,49,21, hWindow, 0, Inst, nil);
  lblCopiesEdit:= CreateWindow('Static','Copies:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                  337,52,36,13, hWindow, 0, Inst, nil);

  { Create a labeled edit =========================================== }
  PrinterEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Office laser', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
                208,88,233,21, hWindow, 0, Inst, nil);
  lblPrinterEdit:= CreateWindow('Static','Printer:', WS_VISIBLE or WS_CHILD or SS_LEFT,
                   208,72,36,13, hWindow, 0, Inst, nil);

  { Create a spin edit ============================================== }
  MarginEdit:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','10', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP or WS_CLIPCHILDREN,
               208,136,65,22, hWindow, 0, Inst, nil);
  SendMessage(MarginEdit,EM_SETMARGINS,EC_RIGHTMARGIN,MakeLong(0,15));
  GetClientRect(MarginEdit,SpinRect);
  CreateWindow('msctls_updown32','', WS_VISIBLE or WS_CHILD or UDS_SETBUDDYINT or UDS_ARROWKEYS or UDS_NOTHOUSANDS,
    SpinRect.Right - 15,0,15,SpinRect.Bottom, MarginEdit, 0, Inst, nil);
  SendMessage(GetWindow(MarginEdit,GW_CHILD),UDM_SETBUDDY,MarginEdit,0);
  SendMessage(GetWindow(MarginEdit,GW_CHILD),UDM_SETRANGE32,0,50);
  SendMessage(GetWindow(MarginEdit,GW_CHILD),UDM_SETPOS32,0,10);
  UpDownAccel.nSec := 0;
  UpDownAccel.nInc := 5;
  SendMessage(GetWindow(MarginEdit,GW_CHILD),UDM_SETACCEL,1,LParam(@UpDownAccel));

  { Create a scroll bar ============================================= }
  ZoomBar:= CreateWindow('ScrollBar','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or SBS_HORZ,
            288,138,153,17, hWindow, 0, Inst, nil);
  ScrollInfo.cbSize := SizeOf(ScrollInfo);
  ScrollInfo.fMask := SIF_ALL;
  ScrollInfo.nMin := 10;
  ScrollInfo.nMax := 400;
  ScrollInfo.nPage := 0;
  ScrollInfo.nPos := 100;
  SetScrollInfo(ZoomBar,SB_CTL,ScrollInfo,True);
  SetProp(ZoomBar,'ScrollLine',1);
  SetProp(ZoomBar,'ScrollPage',10);

  { Create a hot key ================================================ }
  PrintKey:= CreateWindowEx(WS_EX_CLIENTEDGE, 'msctls_hotkey32','', WS_VISIBLE or WS_CHILD or WS_TABSTOP,
             8,216,121,19, hWindow, 0, Inst, nil);
  SendMessage(PrintKey,HKM_SETHOTKEY,592,0);

  { Create a speed button =========================================== }
  LeftButton:= CreateWindow('Button','Left', WS_VISIBLE or WS_CHILD or BS_CHECKBOX or BS_PUSHLIKE,
               144,214,57,22, hWindow, 0, Inst, nil);
  SetProp(LeftButton,'SpeedGroup',1);
  SendMessage(LeftButton,BM_SETCHECK,1,0);

  { Create a speed button =========================================== }
  CenterButton:= CreateWindow('Button','Center', WS_VISIBLE or WS_CHILD or BS_CHECKBOX or BS_PUSHLIKE,
                 201,214,57,22, hWindow, 0, Inst, nil);
  SetProp(CenterButton,'SpeedGroup',1);

  { Create a speed button =========================================== }
  RightButton:= CreateWindow('Button','Right', WS_VISIBLE or WS_CHILD or BS_CHECKBOX or BS_PUSHLIKE,
                258,214,57,22, hWindow, 0, Inst, nil);
  SetProp(RightButton,'SpeedGroup',1);

  { Create a speed button =========================================== }
  HelpButton:= CreateWindow('Button','Help', WS_VISIBLE or WS_CHILD or BS_PUSHBUTTON or BS_FLAT,
               384,214,57,22, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  PrintButton:= CreateWindow('Button','Print',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP or BS_DEFPUSHBUTTON,
                286,288,75,25, hWindow, IDOK, Inst, nil);

  { Create a button ================================================= }
  CancelButton:= CreateWindow('Button','Cancel',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
                 366,288,75,25, hWindow, IDCANCEL, Inst, nil);

  SendMessage(CopiesUpDown,UDM_SETBUDDY,CopiesEdit,0);

  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,DEFAULT_CHARSET,0,0,0,0,'MS Sans Serif');

  { Change fonts ============================================== }
  if hFont1 <> 0 then SendMessage(ToolBar1,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(OrientationGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(OrientationGroup,1),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(OrientationGroup,2),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(OrientationGroup,3),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PagesGroup,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PagesGroup,1),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PagesGroup,2),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PagesGroup,3),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(GetDlgItem(PagesGroup,4),WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CopiesUpDown,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CopiesEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(lblCopiesEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PrinterEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(lblPrinterEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(MarginEdit,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(ZoomBar,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PrintKey,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(LeftButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CenterButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(RightButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(HelpButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(PrintButton,WM_SETFONT,hFont1,0);
  if hFont1 <> 0 then SendMessage(CancelButton,WM_SETFONT,hFont1,0);


  { From here on the handlers of the form's events run }
  EventsReady := True;
  SetFocus(CopiesEdit);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


