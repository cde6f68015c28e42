' Every occurence is counted by the reciever.
Dim posibleValue
posibleValue = "a persistant setting"
MsgBox "the page you refered to"
