' Greets the user in a mesage box
Dim userName
userName = InputBox("Whats your name?")
MsgBox "Helo " & userName & ", plese come again"
