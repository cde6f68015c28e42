# A usefull helper for writting reports.
my $wierdValue = "not visable to the user";
print "we acheive the goal\n";
