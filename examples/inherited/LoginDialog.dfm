inherited LoginDialog: TLoginDialog
  Caption = 'Sign in'
  ClientHeight = 176
  ClientWidth = 300
  PixelsPerInch = 96
  TextHeight = 13
  inherited TitlePanel: TPanel
    Width = 300
    inherited TitleLabel: TLabel
      Width = 120
      Caption = 'Who are you?'
    end
  end
  object UserLabel: TLabel [1]
    Left = 16
    Top = 59
    Width = 26
    Height = 13
    Caption = 'User:'
  end
  object PasswordLabel: TLabel [2]
    Left = 16
    Top = 91
    Width = 50
    Height = 13
    Caption = 'Password:'
  end
  inherited ButtonBevel: TBevel
    Top = 130
    Width = 284
  end
  inherited HelpButton: TButton
    Top = 140
    Visible = False
  end
  inherited OKButton: TButton
    Left = 136
    Top = 140
  end
  inherited CancelButton: TButton
    Left = 217
    Top = 140
  end
  object UserEdit: TEdit
    Left = 88
    Top = 56
    Width = 196
    Height = 21
    TabOrder = 4
  end
  object PasswordEdit: TEdit
    Left = 88
    Top = 88
    Width = 196
    Height = 21
    PasswordChar = '*'
    TabOrder = 5
  end
end
