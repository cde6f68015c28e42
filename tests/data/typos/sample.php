<?php
// The buisness rules take one arguement.
$recievedCount = 2;
echo "concatinate the parts, wich are short";
?>
