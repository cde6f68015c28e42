VERSION 5.00
Begin VB.Form frmPrint
   Caption         =   "Print Queue"
   ClientHeight    =   3195
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton cmdPrint
      Caption         =   "&Print now"
      Height          =   375
   End
   Begin VB.Menu mnuFile
      Caption         =   "&Flie"
   End
End
Attribute VB_Name = "frmPrint"
Option Explicit

' Keeps the jobs the user sent to the printer.
' A job that is held waits untill the user releases it.
Private m_nJobCount As Integer
Private Const MAX_JOBS = 64

Private Sub cmdPrint_Click()
    Dim strTitle As String
    strTitle = txtJobTitle.Text
    If Len(strTitle) = 0 Then
        MsgBox "Please enter a title first", vbExclamation, "Print Queue"
        Exit Sub
    End If
    AddJob strTitle, "Tom & Jerry's report" ' a test job
    lblStatus.Caption = "Sent to the printer: """ & strTitle & """"
End Sub

Private Function AddJob(ByVal strName As String, _
                        ByVal strOwner As String) As Boolean
    Rem Returns False when the queue is full
    If m_nJobCount >= MAX_JOBS Then
        AddJob = False
        Exit Function
    End If
    m_nJobCount = m_nJobCount + 1
    LogLine "Job added to C:\spool\jobs.txt for " & strOwner
    Call WriteJobReocrd(strName, "report.txt")
    AddJob = True
End Function

Private Sub LogLine(ByVal strText As String)
    Debug.Print "Log: " & strText ' don't show it to the user
End Sub
