VERSION 5.00
Begin VB.Form frmGreeting
   Caption         =   "Greating"
   Begin VB.CommandButton cmdGreet
      Caption         =   "&Gret"
   End
End
' Shows a greeting when the buton is pressed
Private Sub cmdGreet_Click()
    MsgBox "Hello, and wellcome"
End Sub
