#!/usr/bin/perl
# rotate.pl: moves old spool logs aside and keeps the last few.
use strict;
use warnings;

my $spool_dir = "/var/spool/printer";
my @old_logs  = glob("$spool_dir/*.log");
my %seen;
my $keepCuont = 5; # how many logs are kept

=head1 NAME

rotate.pl - rotate the printer logs

=head1 DESCRIPTION

Moves every log older than a week into the archive
folder and removes the oldest ones. Retruns nothing.

=cut

sub rotate_log {
    my ($file, $nIndex) = @_;
    my $target = "$file.$nIndex";
    rename($file, $target) or warn "Could not rename $file: $!\n";
    print "Moved the log to $target today\n";
    return 1;
}

foreach my $log (sort @old_logs) {
    next if $seen{$log}++;
    rotate_log($log, $keepCuont);
}

my $banner = <<"END_TEXT";
Spool logs rotated; the oldest logs were removed.
Next rotation in one wek.
END_TEXT
print $banner;
print "Sizes: alpha:beta:gamma and <font face=Arial>big</font> files\n";
my $summary = 'the grand totel';
printf("%d logs kept, %s\n", $keepCuont, "all fine");
my $pattern = qr/(\d+)\.log$/;
print STDERR "Done with the spoool today\n" if $keepCuont > 0;
