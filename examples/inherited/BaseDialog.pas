unit BaseDialog;

interface

uses
  Windows, Classes, Controls, Forms, StdCtrls, ExtCtrls;

type
  { The dialog every other dialog of the application descends from: a title
    band, and OK, Cancel and Help along the bottom. }
  TBaseDialog = class(TForm)
    TitlePanel: TPanel;
    TitleLabel: TLabel;
    ButtonBevel: TBevel;
    HelpButton: TButton;
    OKButton: TButton;
    CancelButton: TButton;
  end;

implementation

{$R *.dfm}

end.
