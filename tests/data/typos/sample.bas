' Move the window accross the screen.
Function calulateTotal(ByVal n As Integer) As Integer
    MsgBox "I beleive the total is right"
    MsgBox "Long experiance helps"
    Call recomendItem(n)
End Function
