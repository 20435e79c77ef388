// The debugger helper: attaches with the JDK's debug interface (jdk.jdi) to a
// student's program that Tavessa started, suspended, with a debug agent, and
// tells Tavessa where the program stopped and what its variables hold.
//
// Protocol over standard input and output, UTF-8, one message per line,
// fields separated by tabs, values escaped (\\ \n \r \t):
//   in:  folder <path>               the program's folder (its sources and classes)
//        main <class>                the class whose main starts the program
//        break <file> <line>         a breakpoint (before attach or while attached)
//        clear <file> <line>         no breakpoint there any more
//        attach <port>               attach and let the program run
//        over | into | out           one step (into: the student's methods only)
//        continue                    run to the next breakpoint
//        until <file> <line>         run to that line (before attach: the first stop)
//        frame <n>                   the variables of frame n of the stop
//        expand <id> <first>         elements or fields of a value, 100 at most
//        memory on | memory off      whether each stop sends the picture of memory
//        watch <expression>...       the expressions evaluated at each stop
//   out: attached | nojdi | error <text> | ended | running
//        nocode <file> <line>        a breakpoint after the last code of its file, dropped
//        moved <file> <line> <to>    a breakpoint on a line without code, moved to
//                                    the next line that has code
//        stopped <reason> <file> <line> <frame>
//                                    reason: start, breakpoint, step, until, exception;
//                                    frame: the stack frame shown first
//        exception <text>            before "stopped exception": what toString says
//        frame <class> <method> <file> <line>    the stack, top first, then end
//        framesleft <n>              after the first 200 frames: how many more
//        vars frame <n> | vars expand <id>       a list of variables follows:
//        var <name> <type> <value> <id>          id 0: nothing to expand
//        more <id> <next>            the value has more elements from <next>
//        end                         after each stack and each list of variables
//        memory ...                  (see MemoryPicture), after the variables
//        watches <frame>, then watch <i> ok <value> <type> | watch <i> wrong <message>, end
// It leaves when its input ends or the program ends.
//
// One thread, the worker, does all the work of commands and stops; the
// event loop only hands stops to it and keeps the program going meanwhile,
// which is what lets the worker call a toString in the program: the events
// that call causes are answered while the worker waits for it.
import com.sun.jdi.Bootstrap;
import com.sun.jdi.IncompatibleThreadStateException;
import com.sun.jdi.Location;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.StackFrame;
import com.sun.jdi.ThreadReference;
import com.sun.jdi.VirtualMachine;
import com.sun.jdi.connect.AttachingConnector;
import com.sun.jdi.connect.Connector;
import com.sun.jdi.event.BreakpointEvent;
import com.sun.jdi.event.ClassPrepareEvent;
import com.sun.jdi.event.Event;
import com.sun.jdi.event.EventSet;
import com.sun.jdi.event.ExceptionEvent;
import com.sun.jdi.event.LocatableEvent;
import com.sun.jdi.event.VMDeathEvent;
import com.sun.jdi.event.VMDisconnectEvent;
import com.sun.jdi.event.VMStartEvent;
import com.sun.jdi.request.ClassPrepareRequest;
import com.sun.jdi.request.EventRequest;
import com.sun.jdi.request.EventRequestManager;
import com.sun.jdi.request.ExceptionRequest;
import com.sun.jdi.request.StepRequest;
import java.io.BufferedReader;
import java.io.File;
import java.io.InputStreamReader;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.Executors;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.TimeUnit;

public final class TavessaDebugger {
    private static final int FRAMES = 200; // a deep recursion's stack: the top ones

    private final PrintStream out = new PrintStream(System.out, false, StandardCharsets.UTF_8);
    private final ScheduledExecutorService worker = Executors.newSingleThreadScheduledExecutor(r -> {
        Thread t = new Thread(r, "trabalho");
        t.setDaemon(true);
        return t;
    });
    private final Breakpoints breakpoints = new Breakpoints(this::send);
    private final Invoker invoker = new Invoker();
    private final DebugValues values = new DebugValues(invoker);
    private final FrameRows rows = new FrameRows(values, this::send);
    private final MemoryPicture memory = new MemoryPicture(values, this::send);
    private final Expressions expressions = new Expressions(values);

    // The worker's own.
    private File folder = new File(".");
    private Set<String> sources = new HashSet<>();
    private VirtualMachine vm;
    private ThreadReference thread; // the thread of the last stop
    private List<StackFrame> frames = new ArrayList<>();
    private int framesRead = -1;    // the invoker's count when the frames were read
    private int shownFrame = 0;
    private boolean memoryShown = false;
    private List<String> watched = List.of();
    private boolean waitingNoted = false; // "input" sent since the program last went on

    public static void main(String[] args) throws Exception {
        new TavessaDebugger().serve();
    }

    private void serve() throws Exception {
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        for (String line = in.readLine(); line != null; line = in.readLine()) {
            String[] f = HelperText.fields(line);
            work(() -> command(f));
        }
        // What was asked is answered first (a few seconds at most: a call
        // in the program may hang).
        worker.shutdown();
        worker.awaitTermination(3, TimeUnit.SECONDS);
        synchronized (out) {
            out.flush();
        }
        // The input closes when Tavessa ends, however it ends: the program
        // goes with it rather than run on, resumed, with nobody to stop it.
        VirtualMachine attached = vm;
        if (attached != null) {
            try {
                attached.exit(1);
            } catch (RuntimeException e) {
                // Already gone.
            }
        }
        System.exit(0);
    }

    private interface Job {
        void run() throws Exception;
    }

    private void work(Job job) {
        worker.execute(() -> runJob(job));
    }

    private void runJob(Job job) {
        try {
            job.run();
        } catch (com.sun.jdi.VMDisconnectedException e) {
            // The program ended; the event loop says so.
        } catch (Exception e) {
            send("error", String.valueOf(e));
        }
        synchronized (out) {
            out.flush();
        }
    }

    private void command(String[] f) throws Exception {
        switch (f[0]) {
            case "folder" -> {
                folder = new File(f[1]);
                String[] names = folder.list((dir, name) -> name.endsWith(".java"));
                sources = new HashSet<>(names == null ? List.of() : List.of(names));
                breakpoints.setFolder(folder);
            }
            case "main" -> breakpoints.setMainClass(f[1]);
            case "break" -> breakpoints.add(f[1], Integer.parseInt(f[2]));
            case "clear" -> breakpoints.clear(f[1], Integer.parseInt(f[2]));
            case "until" -> {
                if (breakpoints.runTo(f[1], Integer.parseInt(f[2])) && thread != null)
                    resume();
            }
            case "attach" -> attach(f[1]);
            case "over" -> step(StepRequest.STEP_OVER);
            case "into" -> step(StepRequest.STEP_INTO);
            case "out" -> step(StepRequest.STEP_OUT);
            case "continue" -> resume();
            case "frame" -> show(Integer.parseInt(f[1]), true);
            case "expand" -> rows.expand(Long.parseLong(f[1]), Integer.parseInt(f[2]));
            case "memory" -> {
                memoryShown = f[1].equals("on");
                if (memoryShown && thread != null)
                    memory.send(shownFrame, frame(shownFrame));
            }
            case "watch" -> {
                watched = List.of(Arrays.copyOfRange(f, 1, f.length));
                if (thread != null)
                    watches(shownFrame);
            }
            default -> send("error", "unknown command " + f[0]);
        }
    }

    private void attach(String port) throws Exception {
        AttachingConnector socket = null;
        for (AttachingConnector c : Bootstrap.virtualMachineManager().attachingConnectors())
            if (c.transport().name().equals("dt_socket"))
                socket = c;
        if (socket == null) {
            send("nojdi");
            return;
        }
        Map<String, Connector.Argument> arguments = socket.defaultArguments();
        arguments.get("hostname").setValue("127.0.0.1");
        arguments.get("port").setValue(port);
        vm = socket.attach(arguments);
        breakpoints.attached(vm);
        EventRequestManager requests = vm.eventRequestManager();
        ClassPrepareRequest prepare = requests.createClassPrepareRequest();
        for (String prefix : DebugValues.JDK)
            prepare.addClassExclusionFilter(prefix + "*");
        prepare.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        prepare.enable();
        ExceptionRequest uncaught = requests.createExceptionRequest(null, false, true);
        uncaught.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        uncaught.enable();
        // Classes loaded before the request was made.
        for (ReferenceType type : vm.allClasses())
            breakpoints.prepared(type);
        VirtualMachine attached = vm;
        Thread events = new Thread(() -> events(attached), "eventos");
        events.setDaemon(true);
        events.start();
        worker.scheduleWithFixedDelay(() -> runJob(this::watchInput), 300, 300, TimeUnit.MILLISECONDS);
        Thread warm = new Thread(expressions::warm, "aquecimento");
        warm.setDaemon(true);
        warm.start();
        send("attached");
        vm.resume();
    }

    // The event loop: stops go to the worker; while the worker runs a call
    // in the program, what that call meets is let go at once.
    private void events(VirtualMachine vm) {
        try {
            while (true) {
                EventSet set = vm.eventQueue().remove();
                LocatableEvent located = null;
                boolean start = false;
                for (Event event : set) {
                    if (event instanceof VMDeathEvent || event instanceof VMDisconnectEvent)
                        ended();
                    if (event instanceof VMStartEvent)
                        start = true; // the suspension attach resumes
                    else if (event instanceof ClassPrepareEvent prepare)
                        breakpoints.prepared(prepare.referenceType());
                    else if (event instanceof LocatableEvent l && located == null)
                        located = l; // one stop per set: a step may end on a breakpoint
                }
                if (start)
                    continue;
                if (located == null || invoker.busy()) {
                    set.resume();
                    continue;
                }
                LocatableEvent stop = located;
                work(() -> {
                    if (!stopped(stop))
                        set.resume();
                });
            }
        } catch (InterruptedException | com.sun.jdi.VMDisconnectedException e) {
            ended();
        }
    }

    private void ended() {
        send("ended");
        synchronized (out) {
            out.flush();
        }
        System.exit(0);
    }

    private boolean stopped(LocatableEvent event) {
        String reason = "step";
        if (event instanceof BreakpointEvent)
            reason = event.request().getProperty(Breakpoints.START) != null ? "start"
                     : event.request().getProperty(Breakpoints.UNTIL) != null ? "until" : "breakpoint";
        // A step that a breakpoint interrupted must not fire later; a run to
        // a line ends at any stop.
        EventRequestManager requests = vm.eventRequestManager();
        requests.deleteEventRequests(requests.stepRequests());
        breakpoints.stopped();
        thread = event.thread();
        values.setThread(thread);
        framesRead = -1;
        if (event instanceof ExceptionEvent exception) {
            reason = "exception";
            send("exception", ExceptionText.of(exception.exception()));
        }
        int count;
        try {
            count = thread.frameCount();
            frames = thread.frames(0, Math.min(count, FRAMES));
            framesRead = invoker.calls();
        } catch (IncompatibleThreadStateException e) {
            thread = null;
            return false;
        }
        // The frame shown: the deepest one in the student's own code.
        int shown = 0;
        while (shown < frames.size() && !isStudents(frames.get(shown).location()))
            ++shown;
        if (shown == frames.size())
            shown = 0;
        Location at = frames.get(shown).location();
        send("stopped", reason, Breakpoints.sourceOf(at), String.valueOf(at.lineNumber()), String.valueOf(shown));
        for (StackFrame frame : frames) {
            Location l = frame.location();
            send("frame", l.declaringType().name(), l.method().name(), Breakpoints.sourceOf(l), String.valueOf(l.lineNumber()));
        }
        if (count > frames.size())
            send("framesleft", String.valueOf(count - frames.size()));
        send("end");
        show(shown, false);
        return true;
    }

    // The variables of a frame, and its picture and watched expressions
    // when they are wanted.
    private void show(int index, boolean chosen) {
        if (chosen && (thread == null || index < 0 || index >= frames.size())) {
            send("vars", "frame", String.valueOf(index));
            send("end");
            return;
        }
        shownFrame = index;
        rows.frame(index, frame(index));
        if (memoryShown)
            memory.send(index, frame(index));
        if (!watched.isEmpty())
            watches(index);
    }

    private void watches(int index) {
        send("watches", String.valueOf(index));
        for (int i = 0; i < watched.size(); ++i) {
            try {
                String[] answer = expressions.evaluate(watched.get(i), () -> frame(index));
                send("watch", String.valueOf(i), "ok", answer[0], answer[1]);
            } catch (Invoker.Failure e) {
                send("watch", String.valueOf(i), "wrong", e.getMessage());
            } catch (RuntimeException e) {
                send("watch", String.valueOf(i), "wrong", "Não foi possível avaliar esta expressão aqui.");
            }
        }
        send("end");
    }

    // Frame `index` of the stop, read again when a call in the program has
    // run since (a call leaves the frames it found unusable).
    private StackFrame frame(int index) {
        if (thread == null)
            return null;
        if (framesRead != invoker.calls()) {
            try {
                frames = thread.frames(0, Math.min(thread.frameCount(), FRAMES));
                framesRead = invoker.calls();
            } catch (IncompatibleThreadStateException e) {
                return null;
            }
        }
        return index >= 0 && index < frames.size() ? frames.get(index) : null;
    }

    private boolean isStudents(Location at) {
        return sources.contains(Breakpoints.sourceOf(at));
    }

    private void step(int depth) {
        if (thread == null)
            return;
        EventRequestManager requests = vm.eventRequestManager();
        requests.deleteEventRequests(requests.stepRequests());
        StepRequest step = requests.createStepRequest(thread, StepRequest.STEP_LINE, depth);
        for (String prefix : DebugValues.JDK)
            step.addClassExclusionFilter(prefix + "*");
        step.addCountFilter(1);
        step.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        step.enable();
        resume();
    }

    // While the program runs, whether a thread of it waits in a read of the
    // standard input: the student must type in the console, and nothing
    // else would tell them. Looked at a few times a second, each thread
    // suspended only for the look.
    private void watchInput() {
        if (vm == null || thread != null)
            return;
        boolean waiting = false;
        for (ThreadReference t : vm.allThreads())
            waiting |= readsInput(t);
        if (waiting != waitingNoted) {
            waitingNoted = waiting;
            send(waiting ? "input" : "running");
        }
    }

    private static boolean readsInput(ThreadReference t) {
        if (t.status() != ThreadReference.THREAD_STATUS_RUNNING || t.isSuspended())
            return false;
        t.suspend();
        try {
            int count = Math.min(t.frameCount(), 8);
            for (StackFrame frame : t.frames(0, count)) {
                Location at = frame.location();
                if (at.declaringType().name().equals("java.io.FileInputStream") && at.method().name().startsWith("read"))
                    return true;
            }
            return false;
        } catch (IncompatibleThreadStateException e) {
            return false;
        } finally {
            t.resume();
        }
    }

    private void resume() {
        if (vm == null)
            return;
        thread = null;
        values.setThread(null);
        rows.forget();
        waitingNoted = false;
        send("running");
        vm.resume();
    }

    private void send(String... fields) {
        synchronized (out) {
            out.println(HelperText.line(fields));
        }
    }
}
