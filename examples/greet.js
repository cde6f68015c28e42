/* Greeting helpers for the web page: no globel state. */
function greetAll(names) {
    return names.map(function (n) { return 'Good morning, ' + n + ', welcom back'; });
}
