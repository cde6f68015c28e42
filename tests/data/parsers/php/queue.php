<html>
<head><title>Print queue</title></head>
<body>
<h1>Jobs in the queue</h1>
<p>Price $total per page, payed montly.</p>
<?php
// queue.php: lists the jobs of the spooler.
/* Jobs come from the spool foldr; a job that
   is held stays at the end of the list. */
require_once 'config.php';

$jobs = load_jobs(SPOOL_DIR, "pending");
$count = count($jobs);

function format_job($job, $nIndex) {
    $title = htmlspecialchars($job['title']);
    return "<li>Job $nIndex: <b>$title</b> for the ownr</li>";
}

if ($count == 0) {
    echo "<p>No jobs are waiting</p>";
} else {
    echo "<p>There are $count jobs waiting in total.</p>";
    foreach ($jobs as $i => $job) {
        echo format_job($job, $i + 1); # one line each
    }
}
$message = 'Don\'t cancel jobs you did not send';
$quoted = "He said \"stop\" twice";
$report = <<<EOT
Printed $count jobs toaday.
EOT;
printf("Queue holds %d jobs\n", $count);
$recievedAt = date('H:i');
?>
<script>
var nLeft = 3; // jobs left
</script>
<p>Back to the start page.</p>
<p>Refreshed at <?php echo $recievedAt; ?> by the server.</p>
</body>
</html>
