inherited OrderDialog: TOrderDialog
  Caption = 'Delivery'
  ClientHeight = 300
  PixelsPerInch = 96
  TextHeight = 13
  inherited TitlePanel: TPanel
    inherited TitleLabel: TLabel
      Width = 160
      Caption = 'Where shall it go?'
    end
  end
  inherited ButtonBevel: TBevel
    Top = 254
  end
  inherited HelpButton: TButton
    Top = 264
  end
  inherited OKButton: TButton
    Top = 264
  end
  inherited CancelButton: TButton
    Top = 264
  end
  inline BillingAddress: TAddressFrame
    Left = 12
    Top = 52
    TabOrder = 4
    inherited NameLabel: TLabel
      Caption = 'Bill to:'
    end
  end
  inline ShippingAddress: TAddressFrame
    Left = 12
    Top = 144
    TabOrder = 5
    inherited NameLabel: TLabel
      Width = 42
      Caption = 'Ship to:'
    end
    inherited CountryCombo: TComboBox
      Visible = False
    end
    object SameCheck: TCheckBox
      Left = 232
      Top = 58
      Width = 100
      Height = 17
      Caption = 'Same as bill'
      TabOrder = 4
    end
  end
end
