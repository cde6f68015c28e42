#!/usr/bin/perl
# Prints a greating for every argument
use strict;
my $count = 0;
foreach my $name (@ARGV) {
    print "Hello $name, it is realy good to see you\n";
    $count++;
}

=head1 DESCRIPTION

Greets each name given on the command line.

=cut
