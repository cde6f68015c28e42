// queue.js: shows the print queue in the browser.
/* The list is refreshed every few seconds; a job that
   has finished is greyed out untill it is removed. */
var REFRESH_MS = 5000;
var jobTable = document.getElementById("jobTable");

function showJobs(jobList) {
    var html = '<tr><td>No jobs are waiting</td></tr>';
    if (jobList.length > 0) {
        html = "";
        for (var i = 0; i < jobList.length; i++) {
            html += renderRow(jobList[i].title, jobList[i].owner);
        }
    }
    jobTable.innerHTML = html; // replace the whole table
}

function renderRow(strTitle, strOwner) {
    var strMark = "\u2713";
    return "<tr><td>" + strTitle + "</td><td>" + strOwner +
           "</td></tr>";
}

function confirmCancel(job) {
    // Don't ask twice for the same job.
    if (job.asked) return true;
    job.asked = true;
    return window.confirm("Cancel the job \"" + job.title + "\"?\nIt can't be undone.");
}

function showError(message) {
    var text = 'Coud not reach the spooler: ' + message;
    alert(text + " &copy; Spool Team");
    var shell = new ActiveXObject("WScript.Shell");
    console.log(`Retrying in ${REFRESH_MS} ms`);
}

setInterval(function () {
    fetchQueue("queue.json", showJobs);
}, REFRESH_MS);

function fetchQueue(strUrl, onDone) {
    var request = new XMLHttpRequest();
    request.open("GET", strUrl + "?nocache=1");
    request.onload = function () { onDone(JSON.parse(request.responseText)); };
    request.send(); /* no body */
    recieveTimer = window.setTimeout(fetchQueue, REFRESH_MS, strUrl, onDone);
}
