Program controls ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    Label1: HWND;
    Edit1: HWND;
    Button1: HWND;
    CheckBox1: HWND;
    GroupBox1: HWND;
    RadioButton1: HWND;
    RadioButton2: HWND;
    RadioButton3: HWND;
    ListBox1: HWND;
    PaintStruct: TPaintStruct;
    PaintDC: HDC;

{ Custom WindowProc function }
function WindowProc(hWindow: HWnd; Message,wParam,lParam: Integer): Integer; stdcall;
begin
  Result := 0;
  { Checks for messages }
  case Message of
    WM_CREATE: begin
    end;
    WM_COMMAND: begin
      if HWND(lParam) = Button1 then MessageBox(hWindow,'Button1Click','Check',MB_OK);
      if HWND(lParam) = CheckBox1 then MessageBox(hWindow,'CheckBox1Click','Check',MB_OK);
      exit;
    end;

    WM_DESTROY: begin
      { Delete Pens and Brushes }
      { Delete Fonts }
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
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Order form',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            245,138,433,312,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','Name:', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,20,31,13, hWindow, 0, Inst, nil);

  { Create an edit field ============================================ }
  Edit1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','Your name', WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP,
          72,16,153,21, hWindow, 0, Inst, nil);

  { Create a button ================================================= }
  Button1:= CreateWindow('Button','Send order',WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,
            320,240,89,25, hWindow, 0, Inst, nil);

  { Create a checkbox =============================================== }
  CheckBox1:= CreateWindow('Button','Gift wrapping',WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,
              16,56,153,17, hWindow, 0, Inst, nil);
  SendMessage(CheckBox1,BM_SETCHECK,1,0);

  { Create a groupbox =============================================== }
  GroupBox1:= CreateWindow('Button',' Delivery ',WS_VISIBLE or WS_CHILD or BS_GROUPBOX,
              16,88,209,105, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton1:= CreateWindow('Button','Standard',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 32,112,113,17, hWindow, 0, Inst, nil);
  SendMessage(RadioButton1,BM_SETCHECK,1,0);

  { Create a radiobox =============================================== }
  RadioButton2:= CreateWindow('Button','Express',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 32,136,113,17, hWindow, 0, Inst, nil);

  { Create a radiobox =============================================== }
  RadioButton3:= CreateWindow('Button','Pick up',WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,
                 32,160,113,17, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  ListBox1:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP,
             248,16,161,177, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Apples')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Pears')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Plums')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Cherries')) );





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


