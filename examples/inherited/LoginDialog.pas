unit LoginDialog;

interface

uses
  Windows, Classes, Controls, Forms, StdCtrls, BaseDialog;

type
  { The base dialog asking for a name and a password; it needs no help. }
  TLoginDialog = class(TBaseDialog)
    UserLabel: TLabel;
    PasswordLabel: TLabel;
    UserEdit: TEdit;
    PasswordEdit: TEdit;
  end;

implementation

{$R *.dfm}

end.
