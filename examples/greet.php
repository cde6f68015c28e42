<html><body>
<p>The greeting servise says hello.</p>
<?php
// Reads the name from the qeury string
$name = htmlspecialchars($_GET['name']);
echo "<p>Hello $name, thank you for visitting</p>";
?>
</body></html>
