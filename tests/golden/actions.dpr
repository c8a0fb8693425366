Program actions ;

Uses Windows, Messages, CommCtrl;

Var WinClass: TWndClassA;
    Inst: HINST;
    hWindow: HWND;
    TheMessage: TMsg;
    WinRect: TRect;
    Label1: HWND;
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
  SetRect(WinRect, 0, 0, 460, 300);
  AdjustWindowRectEx(WinRect, WS_OVERLAPPEDWINDOW, False, WS_EX_WINDOWEDGE);
  hWindow := CreateWindowEx(WS_EX_WINDOWEDGE, 'MyWindowClass','Actions',
            WS_OVERLAPPEDWINDOW or WS_VISIBLE,
            200,120,WinRect.Right - WinRect.Left,WinRect.Bottom - WinRect.Top,0, 0, Inst, nil);


  { Create a label (static) ========================================= }
  Label1:= Createwindow('Static','Right-click the list, the panel or the form for a menu.', WS_VISIBLE or WS_CHILD or SS_LEFT,
           16,44,253,13, hWindow, 0, Inst, nil);

  { Create a listbox ================================================ }
  ListBox1:= CreateWindow('listbox', 'listbox' ,WS_VISIBLE or WS_CHILD or LBS_STANDARD or WS_TABSTOP,
             16,64,200,150, hWindow, 0, Inst, nil);
  { add items to listbox }
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Monday')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Tuesday')) );
  SendMessage(ListBox1,LB_ADDSTRING , 0 ,LParam(PChar('Wednesday')) );





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


