' CleanSpool.vbs: removes old jobs from the spool folder.
' Run it nighlty from the task scheduler; it needs no arguments.
Option Explicit

Const SPOOL_FOLDER = "C:\Spool\Jobs"
Const MAX_AGE_DAYS = 7

Dim fso, folder, file, nRemoved, strReport
Set fso = CreateObject("Scripting.FileSystemObject")
Set folder = fso.GetFolder(SPOOL_FOLDER)
nRemoved = 0

For Each file In folder.Files
    ' Only finished jobs carry the .done extension.
    If LCase(fso.GetExtensionName(file.Name)) = "done" Then
        If DateDiff("d", file.DateLastModified, Now) > MAX_AGE_DAYS Then
            file.Delete True
            nRemoved = nRemoved + 1
        End If
    End If
Next

strReport = "Removed " & nRemoved & " old jobs &amp; logs"
If nRemoved = 0 Then strReport = "Nothing to remvoe"
WScript.Echo strReport
Call WriteSumary(strReport, "spool.log")

Sub WriteSumary(strText, strLogName)
    Dim stream
    Set stream = fso.OpenTextFile(strLogName, 8, True)
    stream.WriteLine Now & " " & strText ' the date "as is"
    stream.Close
End Sub

Function JobsWaiting()
    ' Counts the files that aren't done yet
    Dim n
    n = 0
    For Each file In fso.GetFolder(SPOOL_FOLDER).Files
        If Not file.Name Like "*.done" Then n = n + 1
    Next
    JobsWaiting = n
End Function

Rem the wshShell object shows a message box
Dim wshShell
Set wshShell = CreateObject("WScript.Shell")
wshShell.Popup "Clean up finished, " & JobsWaiting() & " jobs left", 5, "Spooler"
