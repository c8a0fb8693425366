unit AddressFrame;

interface

uses
  Windows, Classes, Controls, Forms, StdCtrls;

type
  TAddressFrame = class(TFrame)
    NameLabel: TLabel;
    StreetLabel: TLabel;
    CityLabel: TLabel;
    NameEdit: TEdit;
    StreetEdit: TEdit;
    CityEdit: TEdit;
    CountryCombo: TComboBox;
  end;

implementation

{$R *.dfm}

end.
