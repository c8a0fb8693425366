object AddressFrame: TAddressFrame
  Left = 0
  Top = 0
  Width = 336
  Height = 76
  TabOrder = 0
  object NameLabel: TLabel
    Left = 8
    Top = 11
    Width = 31
    Height = 13
    Caption = 'Name:'
  end
  object StreetLabel: TLabel
    Left = 8
    Top = 35
    Width = 34
    Height = 13
    Caption = 'Street:'
  end
  object CityLabel: TLabel
    Left = 8
    Top = 59
    Width = 23
    Height = 13
    Caption = 'City:'
  end
  object NameEdit: TEdit
    Left = 64
    Top = 8
    Width = 264
    Height = 21
    TabOrder = 0
  end
  object StreetEdit: TEdit
    Left = 64
    Top = 32
    Width = 264
    Height = 21
    TabOrder = 1
  end
  object CityEdit: TEdit
    Left = 64
    Top = 56
    Width = 160
    Height = 21
    TabOrder = 2
  end
  object CountryCombo: TComboBox
    Left = 232
    Top = 56
    Width = 96
    Height = 21
    Style = csDropDownList
    TabOrder = 3
    Items.Strings = (
      'Austria'
      'France'
      'Italy')
  end
end
