unit OrderDialog;

interface

uses
  Windows, Classes, Controls, Forms, StdCtrls, BaseDialog, AddressFrame;

type
  { The base dialog with two addresses: the same frame placed twice. }
  TOrderDialog = class(TBaseDialog)
    BillingAddress: TAddressFrame;
    ShippingAddress: TAddressFrame;
  end;

implementation

{$R *.dfm}

end.
