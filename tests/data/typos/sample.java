/**
 * Builds the responce for a similiar request, and it is truely fast.
 */
public class Reply {
    private int lastAcessTime = 3;

    public String getTommorow() {
        return "the sucess page";
    }
}
