// We garantee the hieght of the panel.
var langaugeName = "English";
var maintenenceMode = false;
function describe() {
    return "an independant module, neccessary for the build";
}
