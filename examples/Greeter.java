// Greeter: the Java side of the greeting tool, with a freindly defualt text.
public class Greeter {
    /* Builds the mesage for one name. */
    static String greetingFor(String name) {
        return "Helo " + name + ", nice to meet you";
    }
}
