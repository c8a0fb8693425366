Program showcase ;

Uses Windows, Messages, CommCtrl;
{$R *.RES}

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    Label1: HWND;
    OldFont: HFONT;
    Edit1: HWND;
    Button1: HWND;
    BitBtn1: HWND;
    hBitBtn1: HBITMAP;
    CheckBox1: HWND;
    GroupBox1: HWND;
    RadioButton1: HWND;
    RadioButton2: HWND;
    ListBox1: HWND;
    ComboBox1: HWND;
    Memo1: HWND;
    Image1: HWND;
    hImage1: HBITMAP;
    ProgressBar1: HWND;
    TrackBar1: HWND;
    StatusBar1: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;
    OldPoint: PPoint;
    OldPen: HPEN;
    Pen1: HPEN;
    Pen2: HPEN;
    Pen3: HPEN;
    Pen4: HPEN;
    OldBrush: HBRUSH;
    Brush1: HBRUSH;
    Brush2: HBRUSH;
    hFont1: HFONT;
    hFont2: HFONT;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
      { Load Image }
      hBitBtn1 := LoadBitmap(Inst,PChar('BMP_BitBtn1'));
      { Load Image }
      hImage1 := LoadBitmap(Inst,PChar('BMP_Image1'));
      InitCommonControls;
      { Create Pens }
      Pen1 := CreatePen(PS_INSIDEFRAME,2,RGB(0,128,0));
      Pen2 := CreatePen(PS_INSIDEFRAME,1,RGB(0,0,0));
      Pen3 := CreatePen(PS_INSIDEFRAME,1,RGB(128,128,128));
      Pen4 := CreatePen(PS_INSIDEFRAME,1,RGB(255,255,255));
      { Create Brushes }
      Brush1 := CreateSolidBrush(RGB(0,255,0));
      Brush2 := CreateSolidBrush(RGB(255,0,0));
    end;
    WM_COMMAND: begin
      if HWND(lParam) = Button1 then MessageBox(hWindow,'Button1Click','Check',MB_OK);
      if HWND(lParam) = BitBtn1 then MessageBox(hWindow,'BitBtn1Click','Check',MB_OK);
      if HWND(lParam) = CheckBox1 then MessageBox(hWindow,'CheckBox1Click','Check',MB_OK);
      exit;
    end;
    WM_SIZE: begin
      SendMessage(StatusBar1,WM_SIZE,wParam,lParam);
    end;
    WM_PAINT: begin
      PaintDC := BeginPaint(hWindow,PaintStruct);
      { Paint Colors text: Title }
      OldFont := SelectObject(PaintDC,hFont1);
      SetTextColor(PaintDC,RGB(255,255,0));
      SetBkColor(PaintDC,RGB(0,0,128));
      TextOut(PaintDC,264,14,Pchar('A painted label'),15);
      SelectObject(PaintDC,OldFont);
      { Create shape: Shape1 }
      OldBrush := SelectObject(PaintDC,Brush1);
      OldPen := SelectObject(PaintDC,Pen1);
      RoundRect(PaintDC,216,168,280,208,10,10);
      { Create shape: Shape2 }
      OldBrush := SelectObject(PaintDC,Brush2);
      OldPen := SelectObject(PaintDC,Pen2);
      Ellipse(PaintDC,292,168,332,208);
      { Create bevel: Bevel1 }
      OldPen  := SelectObject(PaintDC,Pen3);
      MoveToEx(PaintDC,216,220,OldPoint);
      LineTo(PaintDC,476,220);
      OldPen  := SelectObject(PaintDC,Pen4);
      MoveToEx(PaintDC,217,221,OldPoint);
      LineTo(PaintDC,477,221);
      { Create bevel: Bevel2 }
      OldPen  := SelectObject(PaintDC,Pen3);
      MoveToEx(PaintDC,16,338,OldPoint);
      LineTo(PaintDC,16,288); LineTo(PaintDC,488,288);
      OldPen  := SelectObject(PaintDC,Pen4);
      MoveToEx(PaintDC,489,289,OldPoint);
      LineTo(PaintDC,489,339); LineTo(PaintDC,17,339);
      { Paint Colors text: Label2 }
      OldFont := SelectObject(PaintDC,hFont2);
      SetTextColor(PaintDC,RGB(128,0,0));
      SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));
      TextOut(PaintDC,28,306,Pchar('Shapes, bevels and labels are painted in WM_PAINT.'),50);
      SelectObject(PaintDC,OldFont);
      EndPaint(hWindow,PaintStruct);
    end;
    WM_DESTROY: begin
      DeleteObject(hBitBtn1);
      DeleteObject(hImage1);
      { Delete Pens and Brushes }
      DeleteObject(Pen1);
      DeleteObject(Pen2);
      DeleteObject(Pen3);
      DeleteObject(Pen4);
      DeleteObject(Brush1);
      DeleteObject(Brush2);
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
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','vornic showcase',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            200,120,520,420,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,16,82,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Edit1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Ada', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
          100,12,140,21, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  Button1:= CreateWindow('Button','Say hello',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
            16,44,90,25, hWindow, 0, Inst, nil);

  { Create a bit button ============================================= }
  BitBtn1:= CreateWindow('Button','', WS_VISIBLE or WS_CHILD or WS_TABSTOP or BS_BITMAP,
            116,44,90,25, hWindow, 0, Inst, nil);
  { set image to button }
  SendMessage(BitBtn1,BM_SETIMAGE,IMAGE_BITMAP,LParam(hBitBtn1));

  { Create a checkbox =============================================== }
  CheckBox1:= CreateWindow('Button','Remember me',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              224,48,150,17, hWindow, 0, Inst, nil);
  SendMessage(CheckBox1,BM_SETCHECK,1,0);

  { Create a groupbox =============================================== }
  GroupBox1:= CreateWindow('Button','Size',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
              16,80,150,72, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton1:= CreateWindow('Button','Small',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 28,100,100,17, hWindow, 0, Inst, nil);
  SendMessage(RadioButton1,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  RadioButton2:= CreateWindow('Button','Large',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 28,124,100,17, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  ListBox1:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP,
             180,84,100,68, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Red')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Green')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Blue')) );

  { Create a combobox =============================================== }
  ComboBox1:= CreateWindow('combobox','Monday',WS_VISIBLE or WS_CHILD or CBS_DROPDOWNLIST or WS_TABSTOP,
              296,84,120,125, hWindow, 0, Inst, nil);
  { add items to combobox }
  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Monday')) );
  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Tuesday')) );
  SendMessage(ComboBox1,CB_ADDSTRING , 0 ,LParam(PChar('Wednesday')) );
  { select current item }
  SendMessage(ComboBox1,CB_SELECTSTRING,0,LParam(PChar('Monday')) );

  { Create a memo =================================================== }
  Memo1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or WS_VISIBLE or WS_BORDER or
          ES_LEFT or ES_MULTILINE or ES_WANTRETURN or ES_AUTOVSCROLL or WS_VSCROLL,
          16,164,180,72, hWindow, 0, Inst, nil);
  { add lines  to memo }
  SendMessage(Memo1,WM_SETTEXT, 0, lParam(pChar('A memo keeps'+#13#10+'its lines.')));

  { Create a static image =========================================== }
  Image1:= CreateWindow('Static','', WS_VISIBLE or WS_CHILD or SS_BITMAP,
           344,168,32,32, hWindow, 0, Inst, nil);
  { set image to static control }
  SendMessage(Image1,STM_SETIMAGE,IMAGE_BITMAP,LParam(hImage1));

  { Create a progressbar ============================================ }
  ProgressBar1:= CreateWindow('msctls_progress32','progressbar',WS_VISIBLE or WS_CHILD or WS_BORDER,
                 16,252,230,17, hWindow, 0, Inst, nil);
  SendMessage(ProgressBar1,PBM_SETRANGE,0,MakeLong(0,100));
  SendMessage(ProgressBar1,PBM_SETPOS,60,0) ;

  { Create a trackbar =============================================== }
  TrackBar1:= CreateWindow('msctls_trackbar32','trackbar',WS_VISIBLE or WS_CHILD or WS_BORDER,
              256,248,230,30, hWindow, 0, Inst, nil);
  SendMessage(TrackBar1,TBM_SETRANGE,1,MakeLong( 0,20));
  SendMessage(TrackBar1,TBM_SETPOS,1,7);

  { Create a statusbar ============================================== }
  StatusBar1:= CreateStatusWindow(WS_VISIBLE or WS_CHILD ,'Ready'
               , hWindow, 0);


  { Create Font Handle =================================================== }
  hFont1 := CreateFont(-16,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');
  hFont2 := CreateFont(-11,0,0,0,400,1,0,0,DEFAULT_CHARSET,0,0,0,0,'Tahoma');


  SetFocus(Edit1);

  UpdateWindow(hWindow);

  {the standard message loop}
  while GetMessage(TheMessage,0,0,0) do begin
    if not IsDialogMessage(hWindow,TheMessage) then begin
      TranslateMessage(TheMessage);
      DispatchMessage(TheMessage);
    end;
  end;
end.


